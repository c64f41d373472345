// Faults on disk in the way of each file the program writes: a folder in the file's place,
// a file the system will not replace, a read-only or vanished working folder, a full disk.
// Nothing crashes; a file is either written whole or not at all; the pupil or teacher is told
// where the program's message boxes say so; and once the fault is gone the same action succeeds.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "grading/AnswersFile.h"
#include "grading/Scoring.h"
#include "grading/WrongAnswersFile.h"
#include "picture/FrmBild.h"
#include "reliability/Faults.h"
#include "reliability/ReliabilityFixture.h"
#include "reliability/ShownQuestion.h"

namespace {

enum class Writer { TempFile, Picture, Answers, WrongAnswers, SavedTest };
enum class Blocker { FolderInPlace, LockedFile, ReadOnlyFolder, VanishedFolder, DiskFull };

struct Case {
  Writer writer;
  Blocker blocker;
};

const char* const kWriterNames[] = {"TempFile", "Picture", "Answers", "WrongAnswers", "SavedTest"};
const char* const kBlockerNames[] = {"FolderInPlace", "LockedFile", "ReadOnlyFolder",
                                     "VanishedFolder", "DiskFull"};

// gtest would print a case as its bytes.
void PrintTo(const Case& c, std::ostream* os) {
  *os << kWriterNames[int(c.writer)] << "/" << kBlockerNames[int(c.blocker)];
}

std::vector<Case> allCases() {
  std::vector<Case> cases;
  for (Writer w : {Writer::TempFile, Writer::Picture, Writer::Answers, Writer::WrongAnswers,
                   Writer::SavedTest})
    for (Blocker b : {Blocker::FolderInPlace, Blocker::LockedFile, Blocker::ReadOnlyFolder,
                      Blocker::VanishedFolder, Blocker::DiskFull}) {
      // A folder that cannot be written to at all stops the answers file first: the
      // wrong-answers file is never reached (the answers' cases cover it).
      if (w == Writer::WrongAnswers &&
          (b == Blocker::ReadOnlyFolder || b == Blocker::VanishedFolder))
        continue;
      cases.push_back({w, b});
    }
  return cases;
}

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
  return std::string(kWriterNames[int(info.param.writer)]) + "_" +
         kBlockerNames[int(info.param.blocker)];
}

const QByteArray kOld = "gammalt\r\n";
const QString kFiller = QStringLiteral("fyllnad");
const QString kSaved = QStringLiteral("1895Fysik.tst");

qsizetype lines(const QByteArray& bytes) {
  return bytes.count("\r\n");
}

class DiskFault : public ReliabilityFixture, public ::testing::WithParamInterface<Case> {
 protected:
  void SetUp() override {
    const Case c = GetParam();
    work = dir.path() + QStringLiteral("/work");
    ASSERT_TRUE(QDir().mkpath(work));
    if (c.blocker == Blocker::ReadOnlyFolder || c.blocker == Blocker::DiskFull) {
      tmpfs = std::make_unique<faults::Tmpfs>(work, 256);
      if (!tmpfs->mounted())
        GTEST_SKIP() << "a small tmpfs cannot be mounted here (needs root with CAP_SYS_ADMIN)";
    }
    serveTests(server);
    restart(server.address(), work);
    startUp();
    load(QStringLiteral("t0.tst"));
    form().ChkSvar[2]->click();  // question 1 answered right
    if (c.writer == Writer::SavedTest) signInAgain(QStringLiteral("lx"), QString());
    ASSERT_EQ(dialogs.messages, QStringList());
    name = fileName();
  }

  void TearDown() override {
    for (const QString& f : QDir(work).entryList(QDir::Files))
      faults::setImmutable(work + "/" + f, false);
    if (!moved.isEmpty()) QDir().rename(moved, work);
    p.reset();
    tmpfs.reset();
  }

  QString fileName() {
    switch (GetParam().writer) {
      case Writer::TempFile:
        return QStringLiteral("temp.txt");
      case Writer::Picture:
        return kPicture;
      case Writer::Answers:
        RättaProv(*p);
        return svarsfilnamn(*p);
      case Writer::WrongAnswers:
        RättaProv(*p);
        return felfilnamn(*p);
      case Writer::SavedTest:
        return kSaved;
    }
    return QString();
  }

  // Puts the fault in the way of the file; false when this machine cannot.
  bool block() {
    const QString path = work + QLatin1Char('/') + name;
    switch (GetParam().blocker) {
      case Blocker::FolderInPlace:
        QFile::remove(path);
        return QDir().mkdir(path);
      case Blocker::LockedFile: {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(kOld) != kOld.size())
          return false;
        f.close();
        return faults::setImmutable(path, true);
      }
      case Blocker::ReadOnlyFolder:
        return tmpfs->setReadOnly(true);
      case Blocker::VanishedFolder:
        moved = work + QStringLiteral(".borta");
        return QDir().rename(work, moved);
      case Blocker::DiskFull:
        faults::fillUp(work + QLatin1Char('/') + kFiller);
        if (GetParam().writer == Writer::WrongAnswers) {
          // Room for the answers file, none for the wrong-answers file after it.
          RättaProv(*p);
          const qint64 pages = (svarsfil(*p).size() + 4095) / 4096;
          QFile filler(work + QLatin1Char('/') + kFiller);
          return filler.resize(filler.size() - pages * 4096);
        }
        return true;
    }
    return false;
  }

  void unblock() {
    const QString path = work + QLatin1Char('/') + name;
    switch (GetParam().blocker) {
      case Blocker::FolderInPlace:
        ASSERT_TRUE(QDir().rmdir(path));
        break;
      case Blocker::LockedFile:
        ASSERT_TRUE(faults::setImmutable(path, false));
        break;
      case Blocker::ReadOnlyFolder:
        ASSERT_TRUE(tmpfs->setReadOnly(false));
        break;
      case Blocker::VanishedFolder:
        ASSERT_TRUE(QDir().rename(moved, work));
        moved.clear();
        break;
      case Blocker::DiskFull:
        ASSERT_TRUE(QFile::remove(work + QLatin1Char('/') + kFiller));
        break;
    }
  }

  void act() {
    switch (GetParam().writer) {
      case Writer::TempFile:
        load(QStringLiteral("t1.tst"));
        break;
      case Writer::Picture:
        goTo(1);
        break;
      case Writer::Answers:
      case Writer::WrongAnswers:
        ASSERT_TRUE(press(form().Command3));
        break;
      case Writer::SavedTest:
        dialogs.answer(QStringLiteral("Fysik"));
        ASSERT_TRUE(press(form().Label6));
        break;
    }
  }

  // What the blocked place holds afterwards: as the fault left it.
  void expectBlockedPlaceUntouched() {
    const QString path = work + QLatin1Char('/') + name;
    switch (GetParam().blocker) {
      case Blocker::FolderInPlace:
        EXPECT_TRUE(QFileInfo(path).isDir());
        break;
      case Blocker::LockedFile:
        EXPECT_EQ(readWork(path), kOld);
        break;
      case Blocker::VanishedFolder:
        break;
      default:
        // The download file from before stays whole; the others were never written.
        if (GetParam().writer == Writer::TempFile)
          EXPECT_EQ(readWork(path), QByteArray("7\r\n"));
        else
          EXPECT_FALSE(QFileInfo::exists(path)) << "a half-written file was left behind";
    }
  }

  // The working folder holds the files written whole before the fault, the fault's own
  // entries, and nothing half written (no temporary files).
  void expectNoPartialFiles(QStringList complete) {
    if (GetParam().blocker == Blocker::VanishedFolder) return;
    if (GetParam().blocker == Blocker::FolderInPlace || GetParam().blocker == Blocker::LockedFile)
      complete << name;
    if (GetParam().blocker == Blocker::DiskFull) complete << kFiller;
    complete << QStringLiteral("temp.txt");
    complete.removeDuplicates();
    complete.sort();
    EXPECT_EQ(workEntries(), complete);
  }

  QByteArray readWork(const QString& path) const {
    QFile f(path.startsWith(u'/') ? path : work + QLatin1Char('/') + path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  QString work, name, moved;
  std::unique_ptr<faults::Tmpfs> tmpfs;
};

TEST_P(DiskFault, NothingHalfWrittenTheUserToldAndTheSameActionWorksOnceMended) {
  const Case c = GetParam();
  if (!block()) GTEST_SKIP() << kBlockerNames[int(c.blocker)] << " cannot be set up here";

  act();

  EXPECT_EQ(unexpectedFailures(), QStringList());
  EXPECT_FALSE(p->ended());
  EXPECT_EQ(shown::mismatch(*p), QString());
  expectBlockedPlaceUntouched();
  switch (c.writer) {
    case Writer::TempFile:
      // The test stays as it was; the pupil learns the download file could not be written.
      EXPECT_EQ(p->table.cell(1, 0), QStringLiteral("Vilken färg har himlen?"));
      ASSERT_EQ(dialogs.messages.size(), 1) << dialogs.messages.join(" | ").toStdString();
      EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("\"temp.txt\" kunde inte sparas")))
          << dialogs.messages[0].toStdString();
      expectNoPartialFiles({});
      break;
    case Writer::Picture:
      // As a picture the server cannot give: none shown, nothing said.
      EXPECT_FALSE(p->frmBild().Image1->hasPicture());
      EXPECT_EQ(dialogs.messages, QStringList());
      expectNoPartialFiles({});
      break;
    case Writer::Answers:
    case Writer::WrongAnswers: {
      ASSERT_EQ(dialogs.messages.size(), 1) << dialogs.messages.join(" | ").toStdString();
      EXPECT_TRUE(
          dialogs.messages[0].contains(QStringLiteral("\"%1\" kunde inte sparas").arg(name)))
          << dialogs.messages[0].toStdString();
      EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("AVSLUTA")));
      EXPECT_EQ(p->marks.at(0, 2), 1);
      if (c.writer == Writer::WrongAnswers) {
        // The answers file before it is complete.
        EXPECT_EQ(lines(readWork(svarsfilnamn(*p))), 1411);
        expectNoPartialFiles({svarsfilnamn(*p)});
      } else {
        expectNoPartialFiles({});
      }
      break;
    }
    case Writer::SavedTest:
      ASSERT_EQ(dialogs.messages.size(), 1) << dialogs.messages.join(" | ").toStdString();
      EXPECT_TRUE(
          dialogs.messages[0].contains(QStringLiteral("\"%1\" kunde inte sparas").arg(kSaved)))
          << dialogs.messages[0].toStdString();
      expectNoPartialFiles({});
      break;
  }

  // Mended, the same action succeeds.
  unblock();
  dialogs.messages.clear();
  switch (c.writer) {
    case Writer::TempFile:
      act();
      EXPECT_EQ(p->table.cell(1, 0), QStringLiteral("Ett"));
      EXPECT_EQ(readWork(QStringLiteral("temp.txt")), QByteArray("7\r\n"));
      break;
    case Writer::Picture:
      press(form().CmdBakåt);
      press(form().CmdNästa);
      EXPECT_TRUE(p->frmBild().Image1->hasPicture());
      EXPECT_EQ(readWork(kPicture), smallPng());
      break;
    case Writer::Answers:
    case Writer::WrongAnswers:
      act();
      EXPECT_TRUE(p->ended());
      EXPECT_EQ(lines(readWork(svarsfilnamn(*p))), 1411);
      EXPECT_TRUE(readWork(felfilnamn(*p)).startsWith(felfilnamn(*p).toLatin1()));
      break;
    case Writer::SavedTest:
      signInAgain(QStringLiteral("lx"), QString());
      act();
      EXPECT_GE(lines(readWork(kSaved)), 2011);
      EXPECT_TRUE(readWork(kSaved).startsWith("15sek 099Max\r\n"));
      break;
  }
  EXPECT_EQ(dialogs.messages, QStringList());
  EXPECT_EQ(unexpectedFailures(), QStringList());
  EXPECT_EQ(shown::mismatch(*p), QString());
}

INSTANTIATE_TEST_SUITE_P(Faults, DiskFault, ::testing::ValuesIn(allCases()), caseName);

}  // namespace

namespace {

// The start-up in a working folder that cannot take a file: the window comes up, says why,
// and shows question 1 (the first load's download file and the list both fail).
class StartUpWithoutAWritableFolder : public ReliabilityFixture {};

TEST_F(StartUpWithoutAWritableFolder, BringsUpTheWindowAndSaysWhy) {
  serveTests(server);
  const QString gone = dir.path() + QStringLiteral("/finns-inte");
  restart(server.address(), gone);
  startUp();
  EXPECT_EQ(unexpectedFailures(), QStringList());
  EXPECT_FALSE(p->ended());
  EXPECT_EQ(shown::mismatch(*p), QString());
  EXPECT_EQ(form().Label5->text(), QStringLiteral("1"));
  ASSERT_EQ(dialogs.messages.size(), 2) << dialogs.messages.join(" | ").toStdString();
  EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("\"temp.txt\" kunde inte sparas")));
  EXPECT_TRUE(dialogs.messages[1].contains(QStringLiteral("Testlistan kunde inte hämtas")));
  EXPECT_FALSE(QFileInfo::exists(gone));
}

}  // namespace
