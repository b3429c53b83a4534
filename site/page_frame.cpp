#include "site/page_frame.h"

#include <array>

namespace cadenzo::site {
namespace {

constexpr std::string_view kStyles = R"(<style type="text/css">
*{margin:0;padding:0}body{font:12px/1.5 "Microsoft YaHei",SimSun,Arial,sans-serif;color:#333;background:#f4f4f4}
a{color:#333;text-decoration:none}a:hover{color:#e4393c;text-decoration:underline}
ul,li{list-style:none}img{border:0}.clear{clear:both;height:0;overflow:hidden}
#top{height:32px;background:#222;color:#aaa;line-height:32px}#top .inner{width:980px;margin:0 auto}
#top a{color:#ccc;margin:0 6px}#top .login{float:right}
#header{width:980px;height:80px;margin:0 auto;position:relative}
#header .logo{position:absolute;left:0;top:14px;width:200px;height:52px;background:url(/style/img/logo.png) no-repeat}
#header .search{position:absolute;right:0;top:24px;width:420px;height:32px;border:2px solid #e4393c}
#header .search input.text{width:330px;height:28px;border:0;padding:2px 6px;font-size:14px}
#header .search input.btn{width:76px;height:32px;border:0;background:#e4393c;color:#fff;font-size:14px;cursor:pointer}
#nav{height:40px;background:#e4393c}#nav ul{width:980px;margin:0 auto}
#nav li{float:left;height:40px;line-height:40px}#nav li a{display:block;padding:0 18px;color:#fff;font-size:14px}
#nav li a:hover,#nav li.on a{background:#c8282b;text-decoration:none}
#letters{width:980px;margin:8px auto;height:26px;line-height:26px;background:#fff;border:1px solid #e5e5e5}
#letters a{display:inline-block;width:24px;text-align:center;color:#666}
#crumb{width:980px;margin:8px auto;color:#999}#crumb a{color:#666}
#main{width:980px;margin:0 auto;overflow:hidden}
#content{float:left;width:720px;background:#fff;border:1px solid #e5e5e5;padding:12px;min-height:600px}
#side{float:right;width:228px}
#side .box{background:#fff;border:1px solid #e5e5e5;margin-bottom:10px}
#side .box h3{height:30px;line-height:30px;padding-left:10px;border-bottom:1px solid #eee;font-size:14px}
#side .box ul{padding:6px 10px}#side .box li{height:24px;line-height:24px;overflow:hidden}
#side .box li span{display:inline-block;width:18px;height:16px;line-height:16px;margin-right:6px;background:#999;color:#fff;text-align:center}
#side .box li.top3 span{background:#e4393c}
#side .tags a{display:inline-block;margin:3px;padding:0 6px;border:1px solid #ddd;color:#666}
.singerinfo{height:120px;border-bottom:1px dashed #ddd;margin-bottom:10px}
.singerinfo .photo{float:left;width:100px;height:100px;margin-right:14px;background:#eee}
.singerinfo h1{font-size:20px;color:#222}.singerinfo p{color:#888;line-height:22px}
.tabs{height:32px;border-bottom:2px solid #e4393c;margin-bottom:10px}
.tabs a,.tabs span{float:left;height:32px;line-height:32px;padding:0 20px;font-size:14px}
.tabs span.on{background:#e4393c;color:#fff}
.songlist ul{height:30px;line-height:30px;border-bottom:1px solid #f0f0f0;overflow:hidden}
.songlist ul:hover{background:#fdf3f3}.songlist li{float:left;height:30px;overflow:hidden}
.songlist li.No1{width:50px}.songlist li.No2{width:240px}.songlist li.No3{width:140px;color:#888}
.songlist li.No4{width:70px;color:#aaa}.songlist li.No5{width:60px}
.albumlist .albumitem{float:left;width:220px;height:190px;margin:0 10px 10px 0;overflow:hidden}
.albumlist .pic img{width:150px;height:150px}.albumlist .left{height:22px;overflow:hidden}
.albumlist .right{color:#aaa}
.download .info{padding:10px;background:#fafafa;border:1px solid #eee;margin-bottom:10px}
.download .btns li{float:left;margin-right:10px}
.pagebar{height:40px;line-height:40px;text-align:center;margin-top:14px}
.pagebar a{display:inline-block;height:24px;line-height:24px;padding:0 8px;border:1px solid #ddd;margin:0 2px}
.pagebar a.cur{background:#e4393c;color:#fff;border-color:#e4393c}
.pagenum{text-align:center;color:#999}
.empty{padding:40px;text-align:center;color:#999;font-size:14px}
#footer{width:980px;margin:16px auto 0;padding:16px 0;border-top:1px solid #ddd;color:#999;text-align:center;line-height:24px}
#footer a{color:#888;margin:0 6px}
</style>
)";

constexpr std::string_view kScripts = R"(<script type="text/javascript">
var site = {
  root: '/',
  search: function (form) {
    var word = form.word.value.replace(/^\s+|\s+$/g, '');
    if (word === '' || word === '请输入歌手或歌曲') { alert('请输入关键字'); return false; }
    return true;
  },
  play: function (id) { window.open('/player/?song=' + id, 'player', 'width=720,height=480'); },
  checkAll: function (box) {
    var items = document.getElementsByName('sid');
    for (var i = 0; i < items.length; i++) { items[i].checked = box.checked; }
  },
  playChecked: function () {
    var items = document.getElementsByName('sid'), ids = [];
    for (var i = 0; i < items.length; i++) { if (items[i].checked) ids.push(items[i].value); }
    if (ids.length === 0) { alert('请先选择歌曲'); return; }
    site.play(ids.join(','));
  }
};
(function () {
  var stat = new Image();
  stat.src = '/stat/pv.gif?r=' + Math.random() + '&ref=' + encodeURIComponent(document.referrer);
})();
</script>
)";

constexpr std::array<std::pair<std::string_view, std::string_view>, 12> kNavigation = {{
    {"/", "首页"},
    {"/artist/", "歌手"},
    {"/album/", "专辑"},
    {"/top/", "排行榜"},
    {"/new/", "新歌"},
    {"/radio/", "电台"},
    {"/mv/", "MV"},
    {"/playlist/", "歌单"},
    {"/ring/", "铃声"},
    {"/lyric/", "歌词"},
    {"/app/", "客户端"},
    {"/vip/", "会员"},
}};

constexpr std::array<std::string_view, 48> kTags = {
    "伤感", "安静",   "夜晚", "旅行", "清晨", "下午茶", "学习", "工作", "运动", "治愈",
    "怀旧", "浪漫",   "思念", "快乐", "寂寞", "民谣",   "摇滚", "流行", "古风", "电子",
    "爵士", "轻音乐", "钢琴", "吉他", "说唱", "乡村",   "蓝调", "古典", "校园", "毕业",
    "雨天", "雪天",   "海边", "城市", "公路", "咖啡馆", "失眠", "开车", "散步", "读书",
    "婚礼", "生日",   "儿歌", "影视", "游戏", "动漫",   "网络", "翻唱"};

constexpr std::array<std::string_view, 14> kFooterLinks = {
    "关于我们", "联系方式", "广告服务", "招聘信息", "版权声明", "隐私政策", "用户协议",
    "帮助中心", "意见反馈", "网站地图", "友情链接", "歌手入驻", "举报中心", "未成年人保护"};

// The drop-down lists under the navigation bar: a category and its styles.
constexpr std::array<std::pair<std::string_view, std::array<std::string_view, 10>>, 8> kCategories =
    {{
        {"华语",
         {"男歌手", "女歌手", "组合", "乐队", "新人", "独立", "网络", "影视", "民谣", "摇滚"}},
        {"欧美",
         {"男歌手", "女歌手", "组合", "乐队", "新人", "独立", "电子", "说唱", "乡村", "爵士"}},
        {"日韩",
         {"男歌手", "女歌手", "组合", "乐队", "新人", "独立", "动漫", "影视", "偶像", "演歌"}},
        {"风格",
         {"流行", "摇滚", "民谣", "电子", "爵士", "蓝调", "古典", "说唱", "乡村", "新世纪"}},
        {"心情", {"伤感", "快乐", "安静", "励志", "治愈", "思念", "寂寞", "甜蜜", "怀旧", "浪漫"}},
        {"场景", {"清晨", "夜晚", "学习", "工作", "运动", "旅行", "驾车", "散步", "午休", "聚会"}},
        {"主题", {"经典", "翻唱", "儿歌", "影视", "游戏", "校园", "毕业", "婚礼", "生日", "节日"}},
        {"年代", {"六零", "七零", "八零", "九零", "零零", "一零", "二零", "老歌", "新歌", "金曲"}},
    }};

constexpr std::array<std::string_view, 16> kFriendSites = {
    "乐谱之家",   "琴房笔记",   "耳机发烧友", "唱片收藏馆", "民谣小站",   "吉他教室",
    "歌词大全",   "电台时光",   "独立音乐志", "现场演出网", "录音棚日记", "音乐学院论坛",
    "铃声下载站", "卡拉OK之家", "古风音乐社", "校园歌手网"};

constexpr int kHotSongCount = 30;

std::string Link(std::string_view href, std::string_view caption) {
  return "<a href=\"" + std::string(href) + "\">" + std::string(caption) + "</a>";
}

void AppendHead(std::string& page, std::string_view title) {
  page +=
      "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
      "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\n"
      "<html xmlns=\"http://www.w3.org/1999/xhtml\">\n<head>\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />\n<title>";
  page += title;
  page +=
      "</title>\n<meta name=\"keywords\" content=\"听音乐,在线试听,歌曲下载,歌手,专辑\" />\n"
      "<meta name=\"description\" content=\"听音乐：好听的歌曲在线试听与下载。\" />\n"
      "<link rel=\"shortcut icon\" href=\"/favicon.ico\" />\n";
  page += kStyles;
  page += kScripts;
  page += "</head>\n";
}

void AppendTopAndNavigation(std::string& page) {
  page +=
      "<body>\n<div id=\"top\"><div class=\"inner\"><span class=\"login\">"
      "<a href=\"/user/login.php\">登录</a>|<a href=\"/user/reg.php\">注册</a></span>"
      "欢迎来到听音乐！<a href=\"/app/\">手机版</a><a href=\"/help/\">帮助</a></div></div>\n"
      "<div id=\"header\"><a class=\"logo\" href=\"/\" title=\"听音乐\"></a>"
      "<form class=\"search\" action=\"/search/\" method=\"get\" "
      "onsubmit=\"return site.search(this)\"><input class=\"text\" name=\"word\" "
      "value=\"请输入歌手或歌曲\" /><input class=\"btn\" type=\"submit\" value=\"搜 索\" />"
      "</form></div>\n<div id=\"nav\"><ul>\n";
  for (const auto& [href, caption] : kNavigation) {
    page += "<li>" + Link(href, caption) + "</li>\n";
  }
  page += "</ul></div>\n<div id=\"letters\">歌手索引：";
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const std::string name(1, letter);
    page += Link("/artist/index.php?letter=" + name, name);
  }
  page +=
      "<a href=\"/artist/index.php?letter=0\">#</a></div>\n<div id=\"subnav\" "
      "style=\"display:none\">\n";
  for (const auto& [category, styles] : kCategories) {
    page += "<dl><dt>";
    page += category;
    page += "</dt>";
    for (std::string_view style : styles) {
      const std::string name = std::string(category) + std::string(style);
      page +=
          "<dd>" +
          Link("/artist/list.php?area=" + std::string(category) + "&amp;type=" + std::string(style),
               name) +
          "</dd>";
    }
    page += "</dl>\n";
  }
  page += "</div>\n";
}

void AppendHotSongs(std::string& page, const Catalogue& catalogue) {
  page += "<div class=\"box\"><h3>热门歌曲</h3><ul>\n";
  int rank = 0;
  for (const auto& [id, song] : catalogue.Songs()) {
    if (++rank > kHotSongCount) break;
    std::string title = song.title;
    std::erase(title, '\n');
    page += rank <= 3 ? "<li class=\"top3\">" : "<li>";
    page += "<span>" + std::to_string(rank) + "</span><a href=\"/song/" + id + ".shtml\" title=\"" +
            title + "\">" + title + "</a></li>\n";
  }
  page += "</ul></div>\n";
}

void AppendSideBar(std::string& page, const Catalogue& catalogue) {
  page += "<div id=\"side\">\n<div class=\"box\"><h3>热门歌手</h3><ul>\n";
  int rank = 0;
  for (const Singer& singer : catalogue.Singers()) {
    ++rank;
    page += rank <= 3 ? "<li class=\"top3\">" : "<li>";
    page += "<span>" + std::to_string(rank) +
            "</span><a href=\"/artist/songs.php?singerid=" + singer.id + "\">" + singer.name +
            "</a></li>\n";
  }
  page += "</ul></div>\n<div class=\"box\"><h3>热门专辑</h3><ul>\n";
  for (const Singer& singer : catalogue.Singers()) {
    if (singer.albumPages.empty() || singer.albumPages.front().empty()) continue;
    const Album* album = catalogue.FindAlbum(singer.albumPages.front().front().id);
    if (album == nullptr) continue;
    page += "<li><a href=\"/album/index-" + album->id + ".shtml\">" + album->name + "</a> - " +
            singer.name + "</li>\n";
  }
  page += "</ul></div>\n";
  AppendHotSongs(page, catalogue);
  page += "<div class=\"box tags\"><h3>热门标签</h3><p>\n";
  for (std::string_view tag : kTags) {
    page += Link("/tag/?name=" + std::string(tag), tag) + "\n";
  }
  page += "</p></div>\n</div>\n";
}

void AppendFooter(std::string& page) {
  page += "<div id=\"footer\"><p>";
  for (std::string_view link : kFooterLinks) {
    page += Link("/about/", link);
  }
  page +=
      "</p><p>本站所有歌曲均来自网友分享，仅供试听交流，请于下载后24小时内删除。</p>"
      "<p>Copyright &copy; 2009-2026 听音乐 All Rights Reserved</p></div>\n"
      "</body>\n</html>\n";
}

}  // namespace

std::string FramedPage(const Catalogue& catalogue, std::string_view title, std::string_view crumb,
                       std::string_view content) {
  std::string page;
  AppendHead(page, title);
  AppendTopAndNavigation(page);
  page += "<div id=\"crumb\">当前位置：<a href=\"/\">听音乐</a> &gt; ";
  page += crumb;
  page += "</div>\n<div id=\"main\">\n<div id=\"content\">\n";
  page += content;
  page += "</div>\n";
  AppendSideBar(page, catalogue);
  page += "</div>\n";
  AppendFooter(page);
  return page;
}

}  // namespace cadenzo::site
