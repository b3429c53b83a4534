#include "web/raw_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

namespace cadenzo::testing {
namespace {

constexpr int kReadTimeoutMs = 2000;

// Content-Length of a request head, 0 when absent.
std::size_t BodyLength(const std::string& head) {
  std::string lower = head;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const std::size_t at = lower.find("\r\ncontent-length:");
  if (at == std::string::npos) return 0;
  return std::strtoul(head.c_str() + at + 17, nullptr, 10);
}

bool ReadMore(int connection, std::string& received) {
  pollfd ready{connection, POLLIN, 0};
  if (poll(&ready, 1, kReadTimeoutMs) <= 0) return false;
  char buffer[4096];
  const ssize_t n = read(connection, buffer, sizeof buffer);
  if (n <= 0) return false;
  received.append(buffer, static_cast<std::size_t>(n));
  return true;
}

std::string ReadRequest(int connection) {
  std::string received;
  std::size_t headEnd = std::string::npos;
  while ((headEnd = received.find("\r\n\r\n")) == std::string::npos) {
    if (!ReadMore(connection, received)) return received;
  }
  const std::size_t total = headEnd + 4 + BodyLength(received.substr(0, headEnd + 2));
  while (received.size() < total && ReadMore(connection, received)) {
  }
  return received;
}

}  // namespace

std::string OkAnswer(const std::string& body, const std::string& extraHeaders) {
  return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" +
         extraHeaders + "Connection: close\r\n\r\n" + body;
}

RawHttpServer::RawHttpServer(std::string answer) : answer_(std::move(answer)) {
  listener_ = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      listen(listener_, 16) != 0 ||
      getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
      pipe(stopPipe_) != 0) {
    throw std::runtime_error("raw server cannot listen");
  }
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { Serve(); });
}

RawHttpServer::~RawHttpServer() {
  const char stop = 1;
  (void)!write(stopPipe_[1], &stop, 1);
  thread_.join();
  for (int connection : heldConnections_) close(connection);
  close(listener_);
  close(stopPipe_[0]);
  close(stopPipe_[1]);
}

std::vector<std::string> RawHttpServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void RawHttpServer::Serve() {
  while (true) {
    pollfd ready[2] = {{listener_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    if (poll(ready, 2, -1) < 0 || (ready[1].revents & POLLIN) != 0) return;
    const int connection = accept(listener_, nullptr, nullptr);
    if (connection >= 0) Handle(connection);
  }
}

void RawHttpServer::Handle(int connection) {
  ++connections_;
  if (answer_.empty()) {
    heldConnections_.push_back(connection);
    return;
  }
  const std::string request = ReadRequest(connection);
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
  }
  (void)!write(connection, answer_.data(), answer_.size());
  shutdown(connection, SHUT_WR);
  std::string rest;
  while (ReadMore(connection, rest)) {
  }
  close(connection);
}

}  // namespace cadenzo::testing
