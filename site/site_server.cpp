#include "site/site_server.h"

namespace cadenzo::site {

SiteServer::SiteServer() {
  // Without it a reused connection waits out the peer's delayed ACK between the
  // header and the body of every answer, about 40 ms a page.
  http_.set_tcp_nodelay(true);
  http_.set_pre_routing_handler([this](const httplib::Request& request, httplib::Response&) {
    Record(request);
    if (latency_.count() > 0) std::this_thread::sleep_for(latency_);
    return httplib::Server::HandlerResponse::Unhandled;
  });
}

SiteServer::~SiteServer() {
  Stop();
}

int SiteServer::Start(const std::string& host, int port) {
  host_ = host;
  if (port == 0) {
    port_ = http_.bind_to_any_port(host);
  } else {
    port_ = http_.bind_to_port(host, port) ? port : -1;
  }
  if (port_ < 0) return -1;
  listenEnded_ = false;
  thread_ = std::thread([this] {
    http_.listen_after_bind();
    listenEnded_ = true;
  });
  // A stop that comes before the accept loop runs would be lost and leave the
  // thread accepting for ever, so hand the server over only once it runs.
  while (!http_.is_running() && !listenEnded_)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return port_;
}

bool SiteServer::Run(const std::string& host, int port) {
  host_ = host;
  port_ = port;
  return http_.listen(host, port);
}

void SiteServer::Stop() {
  http_.stop();
  if (thread_.joinable()) thread_.join();
}

std::string SiteServer::Root() const {
  return "http://" + host_ + ":" + std::to_string(port_);
}

std::vector<ReceivedRequest> SiteServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

std::vector<std::string> SiteServer::Targets() const {
  std::lock_guard lock(mutex_);
  std::vector<std::string> targets;
  for (const ReceivedRequest& r : requests_) targets.push_back(r.target);
  return targets;
}

void SiteServer::ClearRequests() {
  std::lock_guard lock(mutex_);
  requests_.clear();
}

void SiteServer::Record(const httplib::Request& request) {
  std::lock_guard lock(mutex_);
  requests_.push_back(
      {request.method, request.target, request.version, request.headers, request.body});
}

}  // namespace cadenzo::site
