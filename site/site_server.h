#pragma once

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace cadenzo::site {

// One request as the server received it.
struct ReceivedRequest {
  std::string method;
  std::string target;  // path with query, as sent
  std::string version;
  httplib::Headers headers;
  std::string body;
};

// The project's own web server: an HTTP server on a thread of its own, on a
// free port of 127.0.0.1 unless told otherwise, which logs every request it
// receives. Route sets are added to Http() before Start().
class SiteServer {
 public:
  SiteServer();
  ~SiteServer();
  SiteServer(const SiteServer&) = delete;
  SiteServer& operator=(const SiteServer&) = delete;

  httplib::Server& Http() { return http_; }

  // Sleeps this long before answering each request.
  void SetLatency(std::chrono::milliseconds latency) { latency_ = latency; }

  // Binds (port 0: a free port) and serves on a thread; returns the port, or -1.
  int Start(const std::string& host = "127.0.0.1", int port = 0);
  // Serves on the calling thread until Stop() is called from elsewhere.
  bool Run(const std::string& host, int port);
  void Stop();

  int Port() const { return port_; }
  std::string Root() const;  // "http://127.0.0.1:PORT"

  std::vector<ReceivedRequest> Requests() const;
  // The targets of the requests so far, in order.
  std::vector<std::string> Targets() const;
  void ClearRequests();

 private:
  void Record(const httplib::Request& request);

  httplib::Server http_;
  std::thread thread_;
  std::atomic<bool> listenEnded_{false};
  std::string host_;
  int port_ = -1;
  std::chrono::milliseconds latency_{0};
  mutable std::mutex mutex_;
  std::vector<ReceivedRequest> requests_;
};

}  // namespace cadenzo::site
