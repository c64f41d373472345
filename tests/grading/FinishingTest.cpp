// "AVSLUTA": scores, writes both result files into the working folder and ends; when a file
// cannot be written it says which and why and stays open with every answer kept.
#include <unistd.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>

#include "app/Form1.h"
#include "grading/GradingFixture.h"

namespace {
QStringList rows(const QStringList& cells) {
  return QStringList{QStringLiteral("TEXT"), QStringLiteral("Frågan")} + cells;
}
}  // namespace

class Finishing : public GradingFixture {
 protected:
  void signIn(const QString& name, const QString& klass) {
    p->ANVÄNDARE = name;
    p->KLASS = klass;
  }
};

TEST_F(Finishing, MenuItemFinishesAsTheButtonDoes) {
  // Right after start-up: nothing loaded, INFIL as the start-up leaves it.
  ASSERT_EQ(p->INFIL, QStringLiteral("nyfil.txt"));
  signIn(QStringLiteral("Elev"), QStringLiteral("7A"));

  form().MnuAvsluta->trigger();

  EXPECT_TRUE(p->ended());
  const QDir expected(expectedFolder(QStringLiteral("start")));
  EXPECT_EQ(workEntries(), sorted(expected.entryList(QDir::Files)));
}

TEST_F(Finishing, AnswersFileCarriesTheScoreJustComputed) {
  p->INFIL = QStringLiteral("prov1.tst");
  signIn(QStringLiteral("Elev"), QStringLiteral("7A"));
  fråga(0, rows({"r A", "f B"}), {2});
  emit form().Label2->clicked();
  ASSERT_EQ(form().Label2->text(), QStringLiteral("Din Poäng =  1"));
  // More ticks after the score was shown.
  fråga(1, rows({"r A", "f B"}), {2});
  fråga(2, rows({"r A", "f B"}), {2});

  form().Command3->click();

  ASSERT_TRUE(p->ended());
  EXPECT_EQ(workEntries(), (QStringList{"7A Elev  3prov1.txt", "Fel7A Elev  3prov1.txt"}));
  EXPECT_TRUE(
      readWork(QStringLiteral("7A Elev  3prov1.txt")).contains("\r\nAntal R\xE4tt=  3\r\n"));
}

TEST_F(Finishing, UnsafeNameAndClassStayInTheWorkingFolder) {
  // The parent of the working folder is shared with other programs, so it is searched for the
  // names this test could leave there rather than compared as a whole.
  const QString parent = QFileInfo(dir.path()).absolutePath();
  const auto strays = [&] {
    return QDir(parent).entryList({QStringLiteral("*nyfil*")}, QDir::AllEntries);
  };
  struct Case {
    QString name, klass;
    QStringList files;
  };
  const Case cases[] = {
      {"../x", "", {".._x nyfil.txt", "Fel.._x nyfil.txt"}},
      {"a/b", "", {"Fela_b nyfil.txt", "a_b nyfil.txt"}},
      {"Elev", "7:A", {"7_A Elev  0nyfil.txt", "Fel7_A Elev  0nyfil.txt"}},
      {"/tmp/y", "..", {".. _tmp_y  0nyfil.txt", "Fel.. _tmp_y  0nyfil.txt"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name.toStdString() + " / " + c.klass.toStdString());
    for (const QString& e : workEntries()) QFile::remove(work(e));
    signIn(c.name, c.klass);
    form().Command3->click();
    EXPECT_TRUE(p->ended());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(workEntries(), sorted(c.files));
  }
  EXPECT_EQ(strays(), QStringList());
  EXPECT_FALSE(QFile::exists(QStringLiteral("/tmp/y  0nyfil.txt")));
}

// A way to make writing one result file fail and to take the cause away again. Tests run as root
// too, where folder permissions do not stop a write; a folder standing where the file should go
// stops it for anyone.
struct Blocker {
  const char* what;
  bool answersFails;  // false: the answers file is written, the wrong-answers file fails
  bool readOnlyFolder;
};

class FailedWrite : public Finishing, public ::testing::WithParamInterface<Blocker> {
 protected:
  const QString svar = QStringLiteral("7A Elev  1prov1.txt");
  const QString fel = QStringLiteral("Fel7A Elev  1prov1.txt");
  QString moved;  // where a vanished working folder went

  void block(const Blocker& b) {
    if (!b.readOnlyFolder) {
      ASSERT_TRUE(QDir(dir.path()).mkdir(b.answersFails ? svar : fel));
    } else if (geteuid() != 0) {
      ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    } else {
      // Root writes into a read-only folder; a folder that is gone stops it.
      moved = dir.path() + QStringLiteral(".borta");
      ASSERT_TRUE(QDir().rename(dir.path(), moved));
    }
  }
  void unblock(const Blocker& b) {
    if (!b.readOnlyFolder)
      ASSERT_TRUE(QDir(dir.path()).rmdir(b.answersFails ? svar : fel));
    else if (moved.isEmpty())
      ASSERT_TRUE(QFile::setPermissions(dir.path(),
                                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    else
      ASSERT_TRUE(QDir().rename(moved, dir.path()));
  }
};

TEST_P(FailedWrite, SaysWhichFileAndWhyAndStaysOpenUntilAvslutaSucceeds) {
  const Blocker& b = GetParam();
  p->INFIL = QStringLiteral("prov1.tst");
  signIn(QStringLiteral("Elev"), QStringLiteral("7A"));
  fråga(0, rows({"r A", "f B"}), {2}, QStringLiteral("mitt svar"));
  fråga(1, rows({"r A", "f B"}));
  block(b);

  form().Command3->click();

  EXPECT_FALSE(p->ended());
  ASSERT_EQ(dialogs.messages.size(), 1);
  const QString& message = dialogs.messages[0];
  EXPECT_TRUE(message.contains(b.answersFails ? svar : fel)) << message.toStdString();
  EXPECT_TRUE(message.contains(QStringLiteral("kunde inte sparas"))) << message.toStdString();
  EXPECT_TRUE(message.contains(QStringLiteral("AVSLUTA"))) << message.toStdString();
  // No half-written file and no temporary file is left behind.
  if (!b.readOnlyFolder) {
    EXPECT_EQ(workEntries(), (b.answersFails ? QStringList{svar} : QStringList{svar, fel}));
  } else if (moved.isEmpty()) {
    EXPECT_EQ(workEntries(), QStringList{});
  }
  // Every answer is still in memory.
  EXPECT_EQ(p->marks.at(0, 2), 1);
  EXPECT_EQ(p->typed.at(0, 1), QStringLiteral("mitt svar"));

  unblock(b);
  form().Command3->click();

  EXPECT_TRUE(p->ended());
  EXPECT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(workEntries(), (QStringList{svar, fel}));
  EXPECT_TRUE(readWork(svar).contains("\r\nmitt svar\r\n"));
  EXPECT_TRUE(readWork(fel).endsWith("\r\nFr\xE5ga 2 Fr\xE5gan\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Ways, FailedWrite,
                         ::testing::Values(Blocker{"FolderInPlaceOfAnswersFile", true, false},
                                           Blocker{"FolderInPlaceOfWrongAnswersFile", false, false},
                                           Blocker{"ReadOnlyWorkingFolder", true, true}),
                         [](const auto& info) { return std::string(info.param.what); });
