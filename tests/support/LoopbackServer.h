#pragma once
// A real HTTP server on 127.0.0.1 in the test process, on a free port, serving files from a
// folder (or from an in-memory map) and able to misbehave on chosen paths.
#include <QByteArray>
#include <QString>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace httplib {
class Server;
}

class LoopbackServer {
 public:
  LoopbackServer();
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  // "http://127.0.0.1:PORT/"
  QString address() const;
  int port() const { return port_; }

  // Serves a body for a path ("/distanstest/tester.txt").
  void put(const std::string& path, QByteArray body, int status = 200);
  // Serves the files below a folder: GET /a/b reads folder/a/b.
  void serveFolder(const QString& folder);
  // A path that answers with nothing and holds the connection open for the given time.
  void stall(const std::string& path, int milliseconds);
  // Paths asked for, in order.
  std::vector<std::string> requests() const;

 private:
  std::unique_ptr<httplib::Server> server_;
  std::thread thread_;
  int port_ = 0;
  mutable std::mutex mutex_;
  std::map<std::string, std::pair<int, QByteArray>> bodies_;
  std::map<std::string, int> stalls_;
  QString folder_;
  std::vector<std::string> requests_;
  std::atomic<bool> stopping_{false};
};
