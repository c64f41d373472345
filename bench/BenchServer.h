#pragma once
// A web server on 127.0.0.1 in the benchmark process, on a free port, answering GET requests from
// an in-memory map of paths to bodies (404 for anything else).
#include <QByteArray>
#include <QString>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace httplib {
class Server;
}

class BenchServer {
 public:
  BenchServer();
  ~BenchServer();
  BenchServer(const BenchServer&) = delete;
  BenchServer& operator=(const BenchServer&) = delete;

  // "http://127.0.0.1:PORT/"
  QString address() const;
  // Serves a body for a path ("/distanstest/tester.txt").
  void put(const std::string& path, const QByteArray& body);

 private:
  std::unique_ptr<httplib::Server> server_;
  std::thread thread_;
  int port_ = 0;
  std::mutex mutex_;
  std::map<std::string, std::string> bodies_;
};
