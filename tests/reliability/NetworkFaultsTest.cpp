// Broken and hostile servers on 127.0.0.1, put in the way of each of the three fetches (the
// test list, a test, a picture): every fault ends as a failed fetch within the client's time
// limits, and the program goes on usable.
#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>
#include <functional>

#include "picture/FrmBild.h"
#include "reliability/Faults.h"
#include "reliability/ReliabilityFixture.h"
#include "reliability/ShownQuestion.h"

namespace {

enum class Fetch { List, Test, Picture };

struct Fault {
  const char* name;
  // Puts the fault on one path of the server, or takes the server away (nullptr path).
  std::function<void(LoopbackServer& s, const std::string& path)> apply;
  bool takesServerAway = false;
};

// What a 200 answer with this body would have given: a test list, a test, a picture.
QByteArray plausibleBody(const std::string& path) {
  if (path == ReliabilityFixture::kPicturePath) return ReliabilityFixture::smallPng();
  if (path == ReliabilityFixture::kListPath) return "t0.tst\r\nt1.tst\r\nfalsk.tst\r\n";
  return "100002\r\nFalsk fr\xe5ga\r\nFalsk text\r\nr A\r\nf B\r\n\r\n\r\n\r\nbild\r\n\r\n";
}

const Fault kFaults[] = {
    {"Refused", [](LoopbackServer&, const std::string&) {}, true},
    {"ResetMidBody",
     [](LoopbackServer& s, const std::string& path) {
       const QByteArray body = plausibleBody(path);
       s.resetMidBody(path, body, body.size() / 2);
     }},
    {"DripsOneByteASecond",
     [](LoopbackServer& s, const std::string& path) { s.drip(path, plausibleBody(path), 1000); }},
    {"RedirectLoop", [](LoopbackServer& s, const std::string& path) { s.redirect(path, path); }},
    {"RedirectToALocalFile",
     [](LoopbackServer& s, const std::string& path) { s.redirect(path, "file:///etc/hostname"); }},
    {"Status404",
     [](LoopbackServer& s, const std::string& path) { s.put(path, plausibleBody(path), 404); }},
    {"Status500",
     [](LoopbackServer& s, const std::string& path) { s.put(path, plausibleBody(path), 500); }},
    // Larger than the client takes (CurlHttp::Limits::maxBytes): announced, and sent chunked
    // without a length, so that the limit has to catch it while it arrives.
    {"FarTooLargeAnnounced",
     [](LoopbackServer& s, const std::string& path) { s.huge(path, 8LL << 30); }},
    {"TooLargeChunked",
     [](LoopbackServer& s, const std::string& path) {
       s.huge(path, CurlHttp::Limits{}.maxBytes + 1, false);
     }},
};

struct Case {
  Fetch fetch;
  Fault fault;
};

// gtest would print a case as its bytes, padding included.
void PrintTo(const Case& c, std::ostream* os) {
  *os << int(c.fetch) << "/" << c.fault.name;
}

std::vector<Case> allCases() {
  std::vector<Case> cases;
  for (Fetch f : {Fetch::List, Fetch::Test, Fetch::Picture})
    for (const Fault& fault : kFaults) cases.push_back({f, fault});
  return cases;
}

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
  const char* fetch[] = {"List", "Test", "Picture"};
  return std::string(fetch[int(info.param.fetch)]) + "_" + info.param.fault.name;
}

class NetworkFault : public ReliabilityFixture, public ::testing::WithParamInterface<Case> {
 protected:
  void SetUp() override {
    victim = std::make_unique<LoopbackServer>();
    serveTests(*victim);
    restart(victim->address(), dir.path());
  }
  // The fault, on the path of the fetch under test.
  void breakIt(const std::string& path) {
    const Fault& fault = GetParam().fault;
    if (fault.takesServerAway)
      victim.reset();
    else
      fault.apply(*victim, path);
  }
  // The shown question agrees with the program's state; nothing failed unhandled.
  void expectSound() {
    EXPECT_EQ(shown::mismatch(*p), QString());
    EXPECT_EQ(unexpectedFailures(), QStringList());
    EXPECT_FALSE(p->ended());
  }
  std::unique_ptr<LoopbackServer> victim;
};

TEST_P(NetworkFault, EndsAsAFailedFetchAndTheProgramGoesOn) {
  const Fetch fetch = GetParam().fetch;
  if (fetch == Fetch::List) {
    breakIt(kListPath);
    startUp();
    // The window comes up with an empty list, and the pupil is told why.
    EXPECT_EQ(form().List1->count(), 0);
    ASSERT_EQ(messagesWith(QStringLiteral("Testlistan kunde inte hämtas")).size(), 1)
        << dialogs.messages.join(" | ").toStdString();
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(readWork("temp.txt"), QByteArray("7\r\n"));
    EXPECT_EQ(workEntries(), QStringList{"temp.txt"});
    expectSound();
    press(form().CmdNästa);
    press(form().CmdBakåt);
    expectSound();
    return;
  }

  startUp();
  ASSERT_EQ(dialogs.messages, QStringList());
  load(QStringLiteral("t0.tst"));
  ASSERT_EQ(p->table.cell(1, 0), QStringLiteral("Vilken färg har himlen?"));
  form().ChkSvar[2]->click();

  if (fetch == Fetch::Test) {
    breakIt(kTestPath);
    load(QStringLiteral("t1.tst"));
    // The fetch failed quietly: the table still holds t0, the marks are cleared as by any
    // load, and the download file holds its one line.
    EXPECT_EQ(p->table.cell(1, 0), QStringLiteral("Vilken färg har himlen?"));
    EXPECT_EQ(p->marks.at(0, 2), 0);
    EXPECT_EQ(dialogs.messages, QStringList());
    EXPECT_EQ(readWork("temp.txt"), QByteArray("7\r\n"));
    EXPECT_EQ(workEntries(), QStringList{"temp.txt"});
    expectSound();
    if (victim) {
      // Mended, the server gives the test at the next press of "Ladda Test".
      serveTests(*victim);
      load(QStringLiteral("t1.tst"));
      EXPECT_EQ(p->table.cell(1, 0), QStringLiteral("Ett"));
      expectSound();
    }
    return;
  }

  // The picture of question 2.
  breakIt(kPicturePath);
  goTo(1);
  FrmBild* b = p->frmBildIfLoaded();
  ASSERT_NE(b, nullptr);
  EXPECT_FALSE(b->Image1->hasPicture());
  EXPECT_EQ(dialogs.messages, QStringList());
  // Nothing half-fetched lies in the working folder under the picture's name.
  EXPECT_EQ(workEntries(), QStringList{"temp.txt"});
  expectSound();
  // The test goes on: the next question, and back.
  goTo(2);
  press(form().CmdBakåt);
  expectSound();
  if (victim) {
    serveTests(*victim);
    press(form().CmdBakåt);
    press(form().CmdNästa);
    EXPECT_EQ(p->aktuellfråga, 1);
    EXPECT_TRUE(p->frmBild().Image1->hasPicture());
    expectSound();
  }
}

INSTANTIATE_TEST_SUITE_P(Faults, NetworkFault, ::testing::ValuesIn(allCases()), caseName);

class ServerAnswers : public ReliabilityFixture {
 protected:
  void SetUp() override {
    serveTests(server);
    restart(server.address(), dir.path());
  }
};

// Redirects are followed, up to the client's limit, and a picture that is a web page is no
// picture.
TEST_F(ServerAnswers, RedirectsWithinTheLimitAreFollowed) {
  const long limit = CurlHttp::Limits{}.maxRedirects;
  std::string at = kTestPath;
  server.put("/elsewhere/t1.tst", "100001\r\nOmdirigerat\r\nTexten\r\n");
  for (long i = 0; i < limit; ++i) {
    const std::string next = "/hop" + std::to_string(i);
    server.redirect(at, i + 1 == limit ? "/elsewhere/t1.tst" : next);
    at = next;
  }
  startUp();
  load(QStringLiteral("t1.tst"));
  EXPECT_EQ(p->table.cell(0, 0), QStringLiteral("Omdirigerat"));
  EXPECT_EQ(shown::mismatch(*p), QString());
}

TEST_F(ServerAnswers, APictureThatIsAWebPageShowsNoPictureAndIsFetchedAgainNextTime) {
  const QByteArray html = "<html><body><h1>V\xe4lkommen</h1></body></html>";
  server.put(kPicturePath, html);
  startUp();
  load(QStringLiteral("t0.tst"));
  goTo(1);
  EXPECT_FALSE(p->frmBild().Image1->hasPicture());
  EXPECT_EQ(dialogs.messages, QStringList());
  // The server's answer was a whole 200 answer: it lies under the picture's name.
  EXPECT_EQ(readWork(kPicture), html);
  // Mended, the picture comes at the next showing, in place of the page.
  server.put(kPicturePath, smallPng());
  press(form().CmdBakåt);
  press(form().CmdNästa);
  EXPECT_TRUE(p->frmBild().Image1->hasPicture());
  EXPECT_EQ(readWork(kPicture), smallPng());
  EXPECT_EQ(unexpectedFailures(), QStringList());
}

}  // namespace

namespace {
// The faults above are what they claim to be, as the client sees them.
TEST_F(ServerAnswers, TheResetIsAResetAndTheDripADrip) {
  server.resetMidBody("/reset", QByteArray(1000, 'x'), 500);
  try {
    http.openUrl(server.address() + QStringLiteral("reset"));
    ADD_FAILURE() << "the reset went unnoticed";
  } catch (const HttpError& e) {
    EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("reset"))) << e.what();
  }
  server.drip("/drip", "abc", 10);
  EXPECT_EQ(http.openUrl(server.address() + QStringLiteral("drip")), "abc");
}
}  // namespace
