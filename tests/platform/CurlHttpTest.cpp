// The HTTP client against a real server on 127.0.0.1: what counts as a whole body and what
// counts as a failed transfer.
#include <httplib.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QUrl>
#include <chrono>
#include <thread>

#include "platform/CurlHttp.h"
#include "support/DeadPort.h"
#include "support/ProgramFixture.h"

namespace {

QByteArray allByteValues(int repeats) {
  QByteArray b;
  for (int r = 0; r < repeats; ++r)
    for (int i = 0; i < 256; ++i) b.append(char(i));
  return b;
}

// A server for what the loopback server does not do: redirects, bodies without a length,
// and a body that stops half way.
class ScriptedServer {
 public:
  ScriptedServer() {
    // /r/N redirects to /r/N-1; /r/0 answers "end".
    server_.Get(R"(/r/(\d+))", [](const httplib::Request& req, httplib::Response& res) {
      const int n = std::stoi(req.matches[1]);
      if (n == 0)
        res.set_content("end", "text/plain");
      else
        res.set_redirect("/r/" + std::to_string(n - 1));
    });
    server_.Get("/to-file", [](const httplib::Request&, httplib::Response& res) {
      res.set_redirect("file:///etc/hostname");
    });
    // /chunked/N: N bytes sent in chunks, with no length announced.
    server_.Get(R"(/chunked/(\d+))", [](const httplib::Request& req, httplib::Response& res) {
      const size_t total = std::stoul(req.matches[1]);
      res.set_chunked_content_provider(
          "application/octet-stream",
          [total, sent = size_t(0)](size_t, httplib::DataSink& sink) mutable {
            if (sent >= total) {
              sink.done();
              return true;
            }
            const std::string piece(std::min<size_t>(4096, total - sent), 'x');
            sent += piece.size();
            return sink.write(piece.data(), piece.size());
          });
    });
    // Announces 1000 bytes, sends one and then nothing while the connection stays open.
    server_.Get("/trickle", [this](const httplib::Request&, httplib::Response& res) {
      res.set_content_provider(1000, "application/octet-stream",
                               [this](size_t offset, size_t, httplib::DataSink& sink) {
                                 if (offset == 0) return sink.write("0", 1);
                                 while (!stopping_)
                                   std::this_thread::sleep_for(std::chrono::milliseconds(20));
                                 return false;
                               });
    });
    port_ = server_.bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ~ScriptedServer() {
    stopping_ = true;
    server_.stop();
    thread_.join();
  }
  QString url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path);
  }

 private:
  httplib::Server server_;
  std::thread thread_;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
};

class CurlHttpTest : public ProgramFixture {
 protected:
  QString url(const std::string& path) const {
    return server.address() + QString::fromStdString(path.substr(1));
  }
};

TEST_F(CurlHttpTest, ReturnsTheWholeBodyByteForByte) {
  const QByteArray binary = allByteValues(4);  // NULs, CR, LF, 0x80..0xFF
  QByteArray large;
  for (quint32 i = 0; i < 3 * 1024 * 1024; ++i) large.append(char((i * 7919u) >> 3));
  server.put("/binary", binary);
  server.put("/large", large);
  server.put("/empty", QByteArray());
  EXPECT_EQ(http.openUrl(url("/binary")), binary);
  EXPECT_EQ(http.openUrl(url("/large")), large);
  EXPECT_EQ(http.openUrl(url("/empty")), QByteArray());
}

TEST_F(CurlHttpTest, SendsBlanksAndLettersEncodedAndKeepsWhatIsEncoded) {
  server.put("/distanstest/prov 1/bild å.gif", "picture");
  EXPECT_EQ(http.openUrl(url("/distanstest/prov 1/bild å.gif")), "picture");
  EXPECT_EQ(http.openUrl(url("/distanstest/prov%201/bild%20%C3%A5.gif")), "picture");
  const auto asked = server.requests();
  EXPECT_EQ(asked.at(0), asked.at(1));
}

TEST_F(CurlHttpTest, AnAnswerOutside2xxIsAFailureWhateverItsBody) {
  for (int status : {404, 500, 403, 304, 302}) {
    server.put("/s" + std::to_string(status), "tester.tst\r\n", status);
    EXPECT_THROW(http.openUrl(url("/s" + std::to_string(status))), HttpError) << status;
  }
  server.put("/created", "ok", 201);
  EXPECT_EQ(http.openUrl(url("/created")), "ok");
  // Nothing served there: the server's own 404 page.
  EXPECT_THROW(http.openUrl(url("/missing")), HttpError);
}

TEST_F(CurlHttpTest, ARefusedConnectionFails) {
  DeadPort dead;
  EXPECT_THROW(http.openUrl(QStringLiteral("http://127.0.0.1:%1/x").arg(dead.port())), HttpError);
}

TEST_F(CurlHttpTest, AStalledServerEndsAsAFailedTransfer) {
  // The server holds the connection far longer than the client's low-speed limit.
  server.stall("/slow", 60'000);
  EXPECT_THROW(http.openUrl(url("/slow")), HttpError);
  ScriptedServer scripted;
  EXPECT_THROW(http.openUrl(scripted.url(QStringLiteral("/trickle"))), HttpError);
}

TEST_F(CurlHttpTest, FollowsRedirectsUpToTheLimitOnly) {
  ScriptedServer scripted;
  CurlHttp::Limits limits = testLimits();
  limits.maxRedirects = 3;
  CurlHttp client(limits);
  EXPECT_EQ(client.openUrl(scripted.url(QStringLiteral("/r/3"))), "end");
  EXPECT_THROW(client.openUrl(scripted.url(QStringLiteral("/r/4"))), HttpError);
  // A web address never leads to a local file.
  EXPECT_THROW(client.openUrl(scripted.url(QStringLiteral("/to-file"))), HttpError);
}

TEST_F(CurlHttpTest, ABodyOverTheLimitFailsWithOrWithoutAnnouncedLength) {
  ScriptedServer scripted;
  CurlHttp::Limits limits = testLimits();
  limits.maxBytes = 10'000;
  CurlHttp client(limits);
  server.put("/fits", QByteArray(10'000, 'a'));
  server.put("/over", QByteArray(10'001, 'a'));
  EXPECT_EQ(client.openUrl(url("/fits")).size(), 10'000);
  EXPECT_THROW(client.openUrl(url("/over")), HttpError);
  EXPECT_EQ(client.openUrl(scripted.url(QStringLiteral("/chunked/10000"))).size(), 10'000);
  EXPECT_THROW(client.openUrl(scripted.url(QStringLiteral("/chunked/50000"))), HttpError);
}

TEST_F(CurlHttpTest, ReadsFileAddressesIncludingEncodedNames) {
  const QByteArray bytes = allByteValues(2);
  const QString folder = work(QStringLiteral("server å"));
  ASSERT_TRUE(QDir().mkpath(folder));
  QFile f(folder + QStringLiteral("/prov 1.tst"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
  f.close();
  const QString address =
      QUrl::fromLocalFile(folder + QStringLiteral("/prov 1.tst")).toString(QUrl::FullyEncoded);
  EXPECT_EQ(http.openUrl(address), bytes);
  // Typed or configured addresses with blanks and letters as they stand.
  EXPECT_EQ(http.openUrl(QStringLiteral("file://") + folder + QStringLiteral("/prov 1.tst")),
            bytes);
  EXPECT_THROW(http.openUrl(QUrl::fromLocalFile(folder + QStringLiteral("/none.tst")).toString()),
               HttpError);
}

TEST_F(CurlHttpTest, RefusesWhatIsNoFetchableAddress) {
  for (const char* address : {"", "not an address", "ftp://127.0.0.1/x", "gopher://127.0.0.1/"})
    EXPECT_THROW(http.openUrl(QString::fromLatin1(address)), HttpError) << address;
}

TEST_F(CurlHttpTest, TheBusyHookBracketsEveryTransferAlsoAFailedOne) {
  std::vector<bool> calls;
  http.onBusy = [&calls](bool busy) { calls.push_back(busy); };
  server.put("/ok", "x");
  http.openUrl(url("/ok"));
  EXPECT_THROW(http.openUrl(url("/missing")), HttpError);
  EXPECT_EQ(calls, (std::vector<bool>{true, false, true, false}));
}

}  // namespace
