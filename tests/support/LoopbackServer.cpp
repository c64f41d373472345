#include "support/LoopbackServer.h"

#include <httplib.h>

#include <QFile>
#include <QFileInfo>
#include <chrono>

LoopbackServer::LoopbackServer() : server_(std::make_unique<httplib::Server>()) {
  server_->Get(".*", [this](const httplib::Request& req, httplib::Response& res) {
    int stallMs = -1;
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(req.path);
      if (auto s = stalls_.find(req.path); s != stalls_.end()) stallMs = s->second;
      if (auto b = bodies_.find(req.path); b != bodies_.end()) {
        res.status = b->second.first;
        res.set_content(b->second.second.toStdString(), "application/octet-stream");
        return;
      }
    }
    if (stallMs >= 0) {
      const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(stallMs);
      while (!stopping_ && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
      res.status = 200;
      return;
    }
    QString folder;
    {
      std::lock_guard lock(mutex_);
      folder = folder_;
    }
    const QString rel = QString::fromStdString(req.path);
    if (!folder.isEmpty() && !rel.contains(QStringLiteral(".."))) {
      QFile file(folder + rel);
      if (QFileInfo(file).isFile() && file.open(QIODevice::ReadOnly)) {
        res.status = 200;
        res.set_content(file.readAll().toStdString(), "application/octet-stream");
        return;
      }
    }
    res.status = 404;
    res.set_content("<html><body>404 Not Found</body></html>", "text/html");
  });
  port_ = server_->bind_to_any_port("127.0.0.1");
  thread_ = std::thread([this] { server_->listen_after_bind(); });
  while (!server_->is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

LoopbackServer::~LoopbackServer() {
  stopping_ = true;
  server_->stop();
  if (thread_.joinable()) thread_.join();
}

QString LoopbackServer::address() const {
  return QStringLiteral("http://127.0.0.1:%1/").arg(port_);
}

void LoopbackServer::put(const std::string& path, QByteArray body, int status) {
  std::lock_guard lock(mutex_);
  bodies_[path] = {status, std::move(body)};
}

void LoopbackServer::serveFolder(const QString& folder) {
  std::lock_guard lock(mutex_);
  folder_ = folder;
}

void LoopbackServer::stall(const std::string& path, int milliseconds) {
  std::lock_guard lock(mutex_);
  stalls_[path] = milliseconds;
}

std::vector<std::string> LoopbackServer::requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}
