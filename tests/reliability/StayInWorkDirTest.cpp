// Names that come from the server (picture names, test names) or are typed (the pupil's name
// and class, the name of a saved test) never make the program write outside its working
// folder, nor make a folder in it. The server here answers any address with a picture, so
// that a name the program did fetch would be written if the program let it.
#include <unistd.h>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "model/Cp1252.h"
#include "reliability/Faults.h"
#include "reliability/ReliabilityFixture.h"
#include "reliability/ShownQuestion.h"

namespace {

class StayInWorkDir : public ReliabilityFixture {
 protected:
  void SetUp() override {
    outside = dir.path() + QStringLiteral("/outside");
    ASSERT_TRUE(QDir().mkpath(outside + QStringLiteral("/deeper")));
    ASSERT_TRUE(QDir().mkpath(dir.path() + QStringLiteral("/work")));
    QFile sentinel(outside + QStringLiteral("/deeper/sentinel.txt"));
    ASSERT_TRUE(sentinel.open(QIODevice::WriteOnly));
    sentinel.write("orörd\r\n");
    sentinel.close();
    farAway = QStringLiteral("/tmp/lumivo-evil-%1").arg(::getpid());
    before = faults::tree(dir.path());
    serveTests(server);
    server.answerEverything(smallPng());
    fresh();
  }

  void fresh() { restart(server.address(), dir.path() + QStringLiteral("/work")); }

  // Names that try every way out of a folder, made to point into the folder beside the
  // working folder and to a path far from both.
  QStringList hostileNames(const QString& ending) const {
    QStringList names = {"../evil",
                         "../../evil",
                         "..",
                         ".",
                         "",
                         "sub/evil",
                         "..\\evil",
                         "C:evil",
                         "C:\\evil",
                         "\\\\server\\share\\evil",
                         "%2e%2e%2fevil",
                         "....//evil",
                         "evil/",
                         "evil\x01",
                         "evil\r\nmore",
                         "../outside/deeper/evil",
                         outside + "/evil",
                         farAway};
    for (QString& n : names) n += ending;
    return names;
  }

  // Nothing new outside the working folder, nothing changed there, and nothing in the working
  // folder but plain files.
  void expectOnlyPlainFilesInTheWorkingFolder(const std::string& after) {
    const QStringList now = faults::tree(dir.path());
    for (const QString& entry : now) {
      if (before.contains(entry)) continue;
      EXPECT_TRUE(entry.startsWith(QStringLiteral("work/")) && entry.count(u'/') == 1)
          << entry.toStdString() << " was made after " << after;
      EXPECT_TRUE(QFileInfo(dir.path() + u'/' + entry).isFile())
          << entry.toStdString() << " is no plain file, after " << after;
    }
    QFile sentinel(outside + QStringLiteral("/deeper/sentinel.txt"));
    ASSERT_TRUE(sentinel.open(QIODevice::ReadOnly));
    EXPECT_EQ(sentinel.readAll(), QByteArray("orörd\r\n"));
    EXPECT_FALSE(QFileInfo::exists(farAway)) << after;
    EXPECT_FALSE(QFileInfo::exists(farAway + QStringLiteral(".tst"))) << after;
    EXPECT_EQ(unexpectedFailures(), QStringList()) << after;
  }

  QString outside, farAway;
  QStringList before;
};

TEST_F(StayInWorkDir, PictureNamesFromTheServer) {
  const QStringList names = hostileNames(QStringLiteral(".png"));
  QString text = QStringLiteral("100%1\r\n").arg(names.size(), 3, 10, QLatin1Char('0'));
  for (const QString& n : names) {
    // A name with a line break cannot stand on a line of its own: it is quoted.
    const QString cell8 = n.contains(u'\n') ? u'"' + n + u'"' : n;
    for (const QString& c : question("Bildfråga", n, {"r Ja"}, "", cell8)) text += c + "\r\n";
  }
  server.put("/distanstest/ond/ond.tst", toCp1252(text));
  server.put(kListPath, "ond.tst\r\n");
  startUp();
  load(QStringLiteral("ond.tst"));
  ASSERT_EQ(p->table.cell(8, 0), names[0]);
  for (int q = 0; q < names.size(); ++q) {
    if (q > 0) {
      ASSERT_TRUE(press(form().CmdNästa));
    }
    ASSERT_EQ(p->aktuellfråga, q);
    EXPECT_EQ(shown::mismatch(*p), QString());
    expectOnlyPlainFilesInTheWorkingFolder("showing the picture " + names[q].toStdString());
  }
  // A bare name, however odd, is fetched and kept in the working folder: the server did answer.
  EXPECT_TRUE(workEntries().contains(QStringLiteral("%2e%2e%2fevil.png")))
      << workEntries().join(" | ").toStdString();
}

TEST_F(StayInWorkDir, TestNamesFromTheServerList) {
  const QStringList names = hostileNames(QStringLiteral(".tst"));
  QString list;
  for (const QString& n : names)
    if (!n.contains(u'\n') && !n.contains(u',')) list += u'"' + n + QStringLiteral("\"\r\n");
  server.put(kListPath, toCp1252(list));
  startUp();
  ASSERT_GT(form().List1->count(), 10);
  for (int i = 0; i < form().List1->count(); ++i) {
    const QString name = form().List1->item(i)->text();
    load(name);
    expectOnlyPlainFilesInTheWorkingFolder("loading the test " + name.toStdString());
  }
}

TEST_F(StayInWorkDir, TheResultFilesFromTypedNamesAndClasses) {
  const QStringList names = hostileNames(QString());
  for (const QString& klass : {QString(), QStringLiteral("../"), QStringLiteral("7A")}) {
    for (const QString& name : names) {
      fresh();
      startUp(name, klass);
      load(QStringLiteral("t0.tst"));
      ASSERT_TRUE(press(form().Command3));
      EXPECT_TRUE(p->ended()) << dialogs.messages.join(" | ").toStdString();
      expectOnlyPlainFilesInTheWorkingFolder("finishing as " + name.toStdString() + " in " +
                                             klass.toStdString());
    }
  }
}

TEST_F(StayInWorkDir, TheSavedTestFromATypedName) {
  startUp(QStringLiteral("lx"), QString());
  load(QStringLiteral("t0.tst"));
  for (const QString& name : hostileNames(QString())) {
    signInAgain(QStringLiteral("lx"), QString());
    dialogs.answer(name);
    ASSERT_TRUE(press(form().Label6));
    expectOnlyPlainFilesInTheWorkingFolder("saving the test as " + name.toStdString());
  }
  // Every save landed: one file per name, since the names differ after the time stamp.
  EXPECT_GE(QDir(dir.path() + QStringLiteral("/work")).entryList({"*.tst"}).size(), 10);
}

}  // namespace
