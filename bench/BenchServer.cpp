#include "BenchServer.h"

#include <httplib.h>

#include <chrono>

BenchServer::BenchServer() : server_(std::make_unique<httplib::Server>()) {
  server_->Get(".*", [this](const httplib::Request& req, httplib::Response& res) {
    std::lock_guard lock(mutex_);
    const auto body = bodies_.find(req.path);
    if (body == bodies_.end()) {
      res.status = 404;
      res.set_content("<html><body>404 Not Found</body></html>", "text/html");
      return;
    }
    res.status = 200;
    res.set_content(body->second, "application/octet-stream");
  });
  port_ = server_->bind_to_any_port("127.0.0.1");
  thread_ = std::thread([this] { server_->listen_after_bind(); });
  while (!server_->is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

BenchServer::~BenchServer() {
  server_->stop();
  if (thread_.joinable()) thread_.join();
}

QString BenchServer::address() const {
  return QStringLiteral("http://127.0.0.1:%1/").arg(port_);
}

void BenchServer::put(const std::string& path, const QByteArray& body) {
  std::lock_guard lock(mutex_);
  bodies_[path] = body.toStdString();
}
