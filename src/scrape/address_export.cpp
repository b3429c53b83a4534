#include "scrape/address_export.h"

#include <filesystem>
#include <fstream>

#include "text/code_pages.h"
#include "text/text_primitives.h"

namespace cadenzo {
namespace {

constexpr std::string_view kHeading = "歌曲下载地址:";
constexpr std::string_view kFileSuffix = ".html";
constexpr int kTitleColumn = 1;
constexpr int kAddressColumn = 3;

Text AddressBlock(const SiteEndpoints& site, const Text& address, const Text& title) {
  return "\r\n<pre>\r\n<a href=" + site.root + address + " target='_blank'>" + title +
         "</a>\r\n</pre>";
}

// A name that would put the file anywhere but the working directory. The
// search walks GBK characters, so a trail byte of 0x5C is not a backslash.
bool LeavesWorkingDirectory(const Text& name) {
  return name == "." || name == ".." || FindText(name, "/") != -1 || FindText(name, "\\") != -1;
}

// The file system names files in UTF-8.
std::filesystem::path FilePathFor(const Text& name) {
  return std::filesystem::path(Utf16ToText(TextToUtf16(name, kCodePageGbk), kCodePageUtf8) +
                               Text(kFileSuffix));
}

bool WriteWholeFile(const std::filesystem::path& path, const Text& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  return !file.fail();
}

}  // namespace

void ExportAddressList(AppState& state, UiFacilities& ui, ListId list, const SiteEndpoints& site) {
  state.addressText = Text(kHeading);
  const Text name = ui.EditText(EditBoxId::编辑框2);
  if (name.empty()) {
    ui.ShowMessage("文件名未填写", kStyleError);
    return;
  }
  if (LeavesWorkingDirectory(name)) {
    ui.ShowMessage("文件名不合法：" + name, kStyleError);
    return;
  }
  const ReportList& rows = ui.List(list);
  const int rowCount = rows.RowCount();
  for (int row = 0; row < rowCount; ++row) {
    state.addressText +=
        AddressBlock(site, rows.GetCell(row, kAddressColumn), rows.GetCell(row, kTitleColumn));
  }
  const Text fileName = name + Text(kFileSuffix);
  if (WriteWholeFile(FilePathFor(name), state.addressText)) {
    ui.ShowMessage("已保存到,程序目录下" + fileName, kStyleNoIcon);
  } else {
    ui.ShowMessage("保存失败：" + fileName, kStyleError);
  }
}

}  // namespace cadenzo
