#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace cadenzo::testing {

// A bare HTTP server on 127.0.0.1 that keeps every request byte for byte, as
// the client sent it (header order, spelling and all), and answers each with
// the same canned bytes and closes. With an empty answer it answers nothing
// and holds the connection until it is destroyed.
class RawHttpServer {
 public:
  explicit RawHttpServer(std::string answer);
  ~RawHttpServer();
  RawHttpServer(const RawHttpServer&) = delete;
  RawHttpServer& operator=(const RawHttpServer&) = delete;

  int Port() const { return port_; }
  std::string HostAndPort() const { return "127.0.0.1:" + std::to_string(port_); }
  std::string Url(const std::string& path) const { return "http://" + HostAndPort() + path; }

  // Every request received so far: head and body, in order.
  std::vector<std::string> Requests() const;
  int Connections() const { return connections_; }

 private:
  void Serve();
  void Handle(int connection);

  std::string answer_;
  int listener_ = -1;
  int stopPipe_[2] = {-1, -1};
  int port_ = 0;
  std::atomic<int> connections_{0};
  std::vector<int> heldConnections_;
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

// A canned answer: status 200, the body, its length, and "Connection: close".
std::string OkAnswer(const std::string& body, const std::string& extraHeaders = "");

}  // namespace cadenzo::testing
