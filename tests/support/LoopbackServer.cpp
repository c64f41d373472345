#include "support/LoopbackServer.h"

#include <httplib.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <chrono>

#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

struct LoopbackServer::Misbehaviour {
  enum Kind { Redirect, Reset, Drip, Huge } kind;
  explicit Misbehaviour(Kind k, QByteArray b = QByteArray()) : kind(k), body(std::move(b)) {}
  QByteArray body;
  qint64 count = 0;  // Reset: bytes sent before the reset; Drip: ms between bytes; Huge: size
  std::string location;
  int status = 302;
  bool announceLength = true;
};

namespace {
// The socket of this process that serves the connection from `remotePort` on 127.0.0.1 to
// `localPort`; -1 when none is found. httplib does not hand its sockets to handlers.
int connectionSocket(int localPort, int remotePort) {
  const QStringList fds = QDir(QStringLiteral("/proc/self/fd"))
                              .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System);
  for (const QString& name : fds) {
    const int fd = name.toInt();
    sockaddr_in mine{}, peer{};
    socklen_t a = sizeof mine, b = sizeof peer;
    if (::getsockname(fd, reinterpret_cast<sockaddr*>(&mine), &a) != 0 ||
        mine.sin_family != AF_INET ||
        ::getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &b) != 0)
      continue;
    if (ntohs(mine.sin_port) == localPort && ntohs(peer.sin_port) == remotePort) return fd;
  }
  return -1;
}

// Closing with a zero linger time sends an RST. httplib still holds the socket's number and
// would shut the connection down in order first: the number is moved onto /dev/null, which
// closes the socket at once and leaves httplib a harmless file to close.
void resetConnection(int fd) {
  if (fd < 0) return;
  const linger now{1, 0};
  ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &now, sizeof now);
  const int null = ::open("/dev/null", O_RDWR);
  if (null < 0) return;
  ::dup2(null, fd);
  ::close(null);
}
}  // namespace

LoopbackServer::LoopbackServer() : server_(std::make_unique<httplib::Server>()) {
  server_->Get(".*", [this](const httplib::Request& req, httplib::Response& res) {
    if (misbehave(req.path, req.remote_port, res)) return;
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
    {
      std::lock_guard lock(mutex_);
      if (everything_) {
        res.status = 200;
        res.set_content(everything_->toStdString(), "application/octet-stream");
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
  misbehaviours_.erase(path);  // the server behaves again on this path
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

void LoopbackServer::answerEverything(QByteArray body) {
  std::lock_guard lock(mutex_);
  everything_ = std::move(body);
}

void LoopbackServer::redirect(const std::string& path, const std::string& location, int status) {
  auto m = std::make_shared<Misbehaviour>(Misbehaviour::Redirect);
  m->location = location;
  m->status = status;
  std::lock_guard lock(mutex_);
  misbehaviours_[path] = m;
}

void LoopbackServer::resetMidBody(const std::string& path, QByteArray body, qsizetype sentBefore) {
  auto m = std::make_shared<Misbehaviour>(Misbehaviour::Reset, std::move(body));
  m->count = qBound<qint64>(0, sentBefore, m->body.size());
  std::lock_guard lock(mutex_);
  misbehaviours_[path] = m;
}

void LoopbackServer::drip(const std::string& path, QByteArray body, int intervalMs) {
  auto m = std::make_shared<Misbehaviour>(Misbehaviour::Drip, std::move(body));
  m->count = intervalMs;
  std::lock_guard lock(mutex_);
  misbehaviours_[path] = m;
}

void LoopbackServer::huge(const std::string& path, qint64 bytes, bool announceLength) {
  auto m = std::make_shared<Misbehaviour>(Misbehaviour::Huge);
  m->count = bytes;
  m->announceLength = announceLength;
  std::lock_guard lock(mutex_);
  misbehaviours_[path] = m;
}

bool LoopbackServer::pause(int milliseconds) const {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < until) {
    if (stopping_) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return !stopping_;
}

bool LoopbackServer::misbehave(const std::string& path, int remotePort, httplib::Response& res) {
  std::shared_ptr<Misbehaviour> m;
  {
    std::lock_guard lock(mutex_);
    auto found = misbehaviours_.find(path);
    if (found == misbehaviours_.end()) return false;
    m = found->second;
    requests_.push_back(path);
  }
  const char* type = "application/octet-stream";
  switch (m->kind) {
    case Misbehaviour::Redirect:
      res.set_redirect(m->location, m->status);
      break;
    case Misbehaviour::Reset: {
      const int fd = connectionSocket(port_, remotePort);
      res.set_content_provider(size_t(m->body.size()), type,
                               [this, m, fd](size_t offset, size_t, httplib::DataSink& sink) {
                                 if (offset < size_t(m->count))
                                   return sink.write(m->body.constData() + offset,
                                                     size_t(m->count) - offset);
                                 // Let the client read what was sent before the reset arrives.
                                 pause(100);
                                 resetConnection(fd);
                                 return false;
                               });
      break;
    }
    case Misbehaviour::Drip:
      res.set_content_provider(size_t(m->body.size()), type,
                               [this, m](size_t offset, size_t, httplib::DataSink& sink) {
                                 if (offset > 0 && !pause(int(m->count))) return false;
                                 return sink.write(m->body.constData() + offset, 1);
                               });
      break;
    case Misbehaviour::Huge: {
      auto piece = [this, m](size_t offset, httplib::DataSink& sink) {
        static const std::string filler(64 * 1024, 'x');
        if (stopping_) return false;
        const size_t n = std::min(filler.size(), size_t(m->count) - offset);
        return sink.write(filler.data(), n);
      };
      if (m->announceLength) {
        res.set_content_provider(size_t(m->count), type,
                                 [piece](size_t offset, size_t, httplib::DataSink& sink) {
                                   return piece(offset, sink);
                                 });
      } else {
        res.set_chunked_content_provider(
            type, [piece, m, sent = size_t(0)](size_t, httplib::DataSink& sink) mutable {
              if (sent >= size_t(m->count)) {
                sink.done();
                return true;
              }
              const size_t before = sent;
              sent = std::min(sent + 64 * 1024, size_t(m->count));
              return piece(before, sink);
            });
      }
      break;
    }
  }
  return true;
}
