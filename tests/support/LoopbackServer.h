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
#include <optional>
#include <string>
#include <thread>

namespace httplib {
class Server;
struct Response;
}  // namespace httplib

class LoopbackServer {
 public:
  LoopbackServer();
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  // "http://127.0.0.1:PORT/"
  QString address() const;
  int port() const { return port_; }

  // Serves a body for a path ("/distanstest/tester.txt"); ends a misbehaviour set for it.
  void put(const std::string& path, QByteArray body, int status = 200);
  // Serves the files below a folder: GET /a/b reads folder/a/b.
  void serveFolder(const QString& folder);
  // A path that answers with nothing and holds the connection open for the given time.
  void stall(const std::string& path, int milliseconds);

  // Answers every path that nothing else serves with this body (a server that hands out
  // whatever is asked for, under any name).
  void answerEverything(QByteArray body);

  // Misbehaviours of a broken or hostile server, each on one path:
  // a redirect to another address (a path of this server or a whole address);
  void redirect(const std::string& path, const std::string& location, int status = 302);
  // the whole length announced, the first `sentBefore` bytes sent, then the connection reset
  // (an RST, not an orderly close);
  void resetMidBody(const std::string& path, QByteArray body, qsizetype sentBefore);
  // the whole length announced, then one byte every `intervalMs` milliseconds;
  void drip(const std::string& path, QByteArray body, int intervalMs = 1000);
  // a body of `bytes` bytes made as it is sent, so that it never sits in memory here; with
  // `announceLength` false it comes chunked, with no length given beforehand.
  void huge(const std::string& path, qint64 bytes, bool announceLength = true);
  // Paths asked for, in order.
  std::vector<std::string> requests() const;

 private:
  std::unique_ptr<httplib::Server> server_;
  std::thread thread_;
  int port_ = 0;
  mutable std::mutex mutex_;
  std::map<std::string, std::pair<int, QByteArray>> bodies_;
  std::map<std::string, int> stalls_;
  struct Misbehaviour;
  std::map<std::string, std::shared_ptr<Misbehaviour>> misbehaviours_;
  bool misbehave(const std::string& path, int remotePort, httplib::Response& res);
  // Sleeps up to the given time; false when the server is stopping.
  bool pause(int milliseconds) const;
  QString folder_;
  std::optional<QByteArray> everything_;
  std::vector<std::string> requests_;
  std::atomic<bool> stopping_{false};
};
