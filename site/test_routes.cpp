#include "site/test_routes.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>

namespace cadenzo::site {

// Lets handlers sleep until their time is up or the routes go away.
class TestRoutes::Hold {
 public:
  // False once released: the caller should answer at once.
  bool Sleep(std::chrono::milliseconds duration) {
    std::unique_lock lock(mutex_);
    return !released_.wait_for(lock, duration, [this] { return isReleased_; });
  }
  void Release() {
    std::lock_guard lock(mutex_);
    isReleased_ = true;
    released_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable released_;
  bool isReleased_ = false;
};

namespace {

using Hold = TestRoutes::Hold;

constexpr auto kTextType = "text/plain";
constexpr int kDefaultSilenceMs = 10000;

std::chrono::milliseconds MillisecondsParam(const httplib::Request& request, int fallback) {
  const std::string value = request.get_param_value("ms");
  return std::chrono::milliseconds(value.empty() ? fallback : std::stoi(value));
}

std::string Echo(const httplib::Request& request) {
  std::string text = request.method + " " + request.target + " " + request.version + "\n";
  for (const auto& [name, value] : request.headers) text += name + ": " + value + "\n";
  return text + "\n" + request.body;
}

void AddEchoRoutes(httplib::Server& http) {
  const auto echo = [](const httplib::Request& request, httplib::Response& response) {
    response.set_content(Echo(request), kTextType);
  };
  http.Get("/test/echo", echo);
  http.Post("/test/echo", echo);
  http.Get("/test/cookies", [](const httplib::Request& request, httplib::Response& response) {
    response.set_content(request.get_header_value("Cookie"), kTextType);
  });
}

void AddAnswerRoutes(httplib::Server& http) {
  http.Get("/test/set-cookie", [](const httplib::Request& request, httplib::Response& response) {
    for (const auto& [name, value] : request.params) {
      response.headers.emplace("Set-Cookie", name + "=" + value + "; path=/");
    }
    response.set_content("cookies set", kTextType);
  });
  http.Get("/test/redirect", [](const httplib::Request& request, httplib::Response& response) {
    response.status = 302;
    response.set_header("Location", request.get_param_value("to"));
    response.set_content("moved", kTextType);
  });
  http.Get("/test/status", [](const httplib::Request& request, httplib::Response& response) {
    const std::string code = request.get_param_value("code");
    response.status = code.empty() ? 500 : std::stoi(code);
    response.set_content("<html><body>error page " + code + "</body></html>", "text/html");
  });
  http.Get("/test/zero", [](const httplib::Request&, httplib::Response& response) {
    response.set_content(std::string("before\0after", 12), "application/octet-stream");
  });
  http.Get("/test/large", [](const httplib::Request& request, httplib::Response& response) {
    const std::size_t size = std::stoul(request.get_param_value("bytes"));
    std::string body(size, ' ');
    for (std::size_t i = 0; i < size; ++i) body[i] = static_cast<char>('a' + i % 26);
    response.set_content(body, kTextType);
  });
}

void AddSlowRoutes(httplib::Server& http, const std::shared_ptr<Hold>& hold) {
  http.Get("/test/trickle", [hold](const httplib::Request& request, httplib::Response& response) {
    const auto pause = MillisecondsParam(request, 100);
    response.set_content_provider(
        10, kTextType, [hold, pause](std::size_t offset, std::size_t, httplib::DataSink& sink) {
          hold->Sleep(pause);
          const char digit = static_cast<char>('0' + offset);
          sink.write(&digit, 1);
          return true;
        });
  });
  http.Get("/test/silent", [hold](const httplib::Request& request, httplib::Response& response) {
    hold->Sleep(MillisecondsParam(request, kDefaultSilenceMs));
    response.set_content("late", kTextType);
  });
  http.Get("/test/silent-after-headers",
           [hold](const httplib::Request& request, httplib::Response& response) {
             const auto pause = MillisecondsParam(request, kDefaultSilenceMs);
             response.set_content_provider(
                 4, kTextType, [hold, pause](std::size_t, std::size_t, httplib::DataSink& sink) {
                   hold->Sleep(pause);
                   sink.write("late", 4);
                   return true;
                 });
           });
}

}  // namespace

TestRoutes::TestRoutes(httplib::Server& http) : hold_(std::make_shared<Hold>()) {
  AddEchoRoutes(http);
  AddAnswerRoutes(http);
  AddSlowRoutes(http, hold_);
}

TestRoutes::~TestRoutes() {
  hold_->Release();
}

}  // namespace cadenzo::site
