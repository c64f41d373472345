// Saving the edited test: the file's bytes and name, the name asked for, the test list
// afterwards, names the file system refuses, a file that cannot be written, and a saved test
// that loads back from the server as the same table.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "TestPaths.h"
#include "app/Form1.h"
#include "editor/SaveTest.h"
#include "model/Cp1252.h"
#include "source/WebSource.h"
#include "support/ProgramFixture.h"

namespace {

QByteArray readData(const QString& name) {
  QFile file(QStringLiteral(LUMIVO_TEST_DATA "/editor/") + name);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

class SaveTest : public ProgramFixture {
 protected:
  // The test whose saved form is tests/data/editor/small_save.tst.
  void fillSmallTest() {
    const QStringList question0 = {"Fråga 1",
                                   "Vad är huvudstaden?",
                                   "r Stockholm",
                                   "f Göteborg",
                                   "",
                                   "",
                                   "reserv",
                                   "",
                                   "bild",
                                   "Obs, med komma",
                                   "cell 10 sparas aldrig"};
    for (int c = 0; c < 11; ++c) p->table.cell(c, 0) = question0[c];
    p->table.cell(0, 1) = "SLUT";
    p->table.cell(1, 5) = "kvar från förra testet";
  }
  QStringList testFiles() const {
    return QDir(dir.path()).entryList({"*.tst"}, QDir::Files, QDir::Name);
  }
  QStringList allEntries() const {
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
  }
};

TEST_F(SaveTest, SmallTestIsWrittenByteForByteUnderTheTimeStampedName) {
  fillSmallTest();
  dialogs.answer("Fysik");
  SPARAREDIGERATPROV(*p);

  ASSERT_EQ(dialogs.inputs.size(), 1u);
  EXPECT_EQ(dialogs.inputs[0].prompt, "Filnamn");
  EXPECT_EQ(dialogs.inputs[0].title, "Ange filnamn");
  EXPECT_EQ(dialogs.inputs[0].defaultText, "nyfil");
  const QByteArray expected = readData("small_save.tst");
  ASSERT_FALSE(expected.isEmpty());
  EXPECT_EQ(readWork("1895Fysik.tst"), expected);
  EXPECT_EQ(testFiles(), QStringList{"1895Fysik.tst"});
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
}

struct NameCase {
  const char* name;
  QString date, time;
  std::optional<QString> typed;
  QString file;
};

class SaveName : public SaveTest, public ::testing::WithParamInterface<NameCase> {};

// Day, hour and minute lose their leading zeros; the typed name follows unchanged, except
// for characters that would take the file out of the working folder or that no file system
// takes, which become "_".
TEST_P(SaveName, FileIsNamedFromTheClockAndTheTypedName) {
  const NameCase& c = GetParam();
  clock.set(c.date, c.time);
  dialogs.answer(c.typed);
  SPARAREDIGERATPROV(*p);
  EXPECT_EQ(allEntries(), QStringList{c.file});
  EXPECT_EQ(readWork(c.file).left(14), "15sek 099Max\r\n");
  EXPECT_EQ(form().List1->entries(), QStringList{c.file.chopped(4)});
}

const NameCase kNameCases[] = {
    {"Typed", "2026-12-18", "09:05:07", "Fysik", "1895Fysik.tst"},
    {"Cancelled", "2026-12-18", "09:05:07", std::nullopt, "1895.tst"},
    {"Midnight", "2026-01-01", "00:00:59", "", "100.tst"},
    {"TwoDigitsEach", "2026-12-31", "23:59:00", "Kemi prov 2", "312359Kemi prov 2.tst"},
    {"Swedish", "2026-03-07", "10:30:00", "Åäö", "71030Åäö.tst"},
    {"Folders", "2026-12-18", "09:05:07", "../ut/ur\\mappen", "1895.._ut_ur_mappen.tst"},
    {"Refused", "2026-12-18", "09:05:07", "a:b*c?d\"e<f>g|h", "1895a_b_c_d_e_f_g_h.tst"},
    {"Controls", "2026-12-18", "09:05:07", QString::fromUtf16(u"rad\r\nny\tflik\x7f"),
     "1895rad__ny_flik_.tst"},
};

INSTANTIATE_TEST_SUITE_P(Names, SaveName, ::testing::ValuesIn(kNameCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FileNamePiece, LeavesOrdinaryNamesAlone) {
  EXPECT_EQ(fileNamePiece("Prov 3, del 1 (Åsa)"), "Prov 3, del 1 (Åsa)");
  EXPECT_EQ(fileNamePiece("/"), "_");
  EXPECT_EQ(fileNamePiece(""), "");
}

struct InfilCase {
  const char* name;
  QString before;
  QString proposed;
};

class SaveInfil : public SaveTest, public ::testing::WithParamInterface<InfilCase> {};

// The proposed name is INFIL less its last four characters; a shorter INFIL is used up.
TEST_P(SaveInfil, ProposesInfilLessFourCharacters) {
  const InfilCase& c = GetParam();
  p->INFIL = c.before;
  dialogs.answer("x");
  SPARAREDIGERATPROV(*p);
  ASSERT_EQ(dialogs.inputs.size(), 1u);
  EXPECT_EQ(dialogs.inputs[0].defaultText, c.proposed);
  // The refill of the list then names the folder's last test file in INFIL.
  EXPECT_EQ(readWork("1895x.tst").size(), 14 + 2010 * 2);
  EXPECT_EQ(p->INFIL, "1895x.tst");
}

INSTANTIATE_TEST_SUITE_P(Infil, SaveInfil,
                         ::testing::Values(InfilCase{"Loaded", "biologi.tst", "biologi"},
                                           InfilCase{"StartName", "nyfil.txt", "nyfil"},
                                           InfilCase{"Exactly4", ".tst", ""},
                                           InfilCase{"Short", "abc", ""},
                                           InfilCase{"Empty", "", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

// After a save the list holds the working folder's tests without ".tst", and Text5 and INFIL
// name the last of them, which need not be the one just saved.
TEST_F(SaveTest, ListThenHoldsTheFoldersTestsAndInfilNamesTheLast) {
  writeWork("b.tst", "15sek 099Max\r\n");
  writeWork("a.tst", "15sek 099Max\r\n");
  writeWork("bild.bmp", "BM");
  form().List1->addSorted("prov1.tst");  // the server's list, replaced by the folder's
  p->INFIL = "biologi.tst";
  dialogs.answer("Fysik");
  SPARAREDIGERATPROV(*p);
  EXPECT_EQ(form().List1->entries(), (QStringList{"1895Fysik", "a", "b"}));
  EXPECT_EQ(p->INFIL, "b.tst");
  EXPECT_EQ(form().Text5->text(), "b.tst");
  // So the next save proposes that name less its ".tst".
  dialogs.answer(std::nullopt);
  SPARAREDIGERATPROV(*p);
  EXPECT_EQ(dialogs.inputs.back().defaultText, "b");
}

// A file that cannot be written is named in a message; the table stays as it is, INFIL keeps
// its shortened value, and the next save goes on from there: biologi, then bio.
TEST_F(SaveTest, FileThatCannotBeWrittenIsReportedAndTheNextSaveGoesOn) {
  fillSmallTest();
  ASSERT_TRUE(QDir(dir.path()).mkdir("1895biologi.tst"));
  p->INFIL = "biologi.tst";
  dialogs.answer("biologi");
  SPARAREDIGERATPROV(*p);
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(dialogs.messages[0].contains("1895biologi.tst")) << dialogs.messages[0].toStdString();
  EXPECT_TRUE(dialogs.messages[0].contains("kunde inte sparas"));
  EXPECT_EQ(p->INFIL, "biologi");
  EXPECT_EQ(p->table.cell(0, 0), "Fråga 1");
  EXPECT_TRUE(form().List1->entries().isEmpty());
  EXPECT_EQ(testFiles(), QStringList{});

  dialogs.answer("bio");
  SPARAREDIGERATPROV(*p);
  ASSERT_EQ(dialogs.inputs.size(), 2u);
  EXPECT_EQ(dialogs.inputs[1].defaultText, "bio");
  EXPECT_EQ(readWork("1895bio.tst"), readData("small_save.tst"));
  EXPECT_EQ(form().List1->entries(), QStringList{"1895bio"});
  EXPECT_EQ(p->INFIL, "1895bio.tst");
  EXPECT_EQ(dialogs.messages.size(), 1);
}

// Two saves in the same minute under the same name: the second replaces the first whole.
TEST_F(SaveTest, SameNameInTheSameMinuteReplacesTheFile) {
  fillSmallTest();
  p->table.cell(1, 150) = QString(3000, u'x');  // the first file is the longer one
  dialogs.answer("Fysik");
  SPARAREDIGERATPROV(*p);
  p->table.cell(1, 150).clear();
  dialogs.answer("Fysik");
  SPARAREDIGERATPROV(*p);
  EXPECT_EQ(readWork("1895Fysik.tst"), readData("small_save.tst"));
  EXPECT_EQ(testFiles(), QStringList{"1895Fysik.tst"});
}

// A cell that cannot be written so that it reads back the same is named as the teacher sees
// the question (number q+1); the file is written all the same.
TEST_F(SaveTest, CellThatCannotBeKeptIsNamed) {
  p->table.cell(1, 3) = "ja, \"kanske\"";
  p->table.cell(8, 0) = "π.bmp";
  dialogs.answer("Fysik");
  SPARAREDIGERATPROV(*p);
  ASSERT_EQ(dialogs.messages.size(), 1);
  const QString& m = dialogs.messages[0];
  EXPECT_TRUE(m.contains("Fråga 4, cell 1")) << m.toStdString();
  EXPECT_TRUE(m.contains("Fråga 1, cell 8")) << m.toStdString();
  EXPECT_GT(readWork("1895Fysik.tst").size(), 14 + 2010 * 2);
  EXPECT_EQ(form().List1->entries(), QStringList{"1895Fysik"});
}

// Saved, given a number as its first field and served, the test loads back as the same table:
// commas, line breaks and leading blanks included, and the leftovers behind the end marker.
TEST_F(SaveTest, SavedTestLoadsBackFromTheServerAsTheSameTable) {
  const QStringList tricky = {"Stockholm, Sverige", "rad 1\r\nrad 2", "  indragen", "r 3,5 cm", ",",
                              "f \"citat\" inuti",  "slut   ",        "\r\n",       "Åäö é €",  ""};
  for (int q = 0; q < 4; ++q)
    for (int c = 0; c < 10; ++c) p->table.cell(c, q) = tricky[(q + c) % tricky.size()];
  p->table.cell(0, 4) = "SLUT";
  p->table.cell(2, 9) = "kvar, bakom slutet";
  p->table.cell(9, 200) = "sista cellen";
  const QuestionTable saved = p->table;

  dialogs.answer("Fysik");
  SPARAREDIGERATPROV(*p);
  ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
  QByteArray bytes = readWork("1895Fysik.tst");
  ASSERT_TRUE(bytes.startsWith("15sek 099Max\r\n"));
  bytes.replace(0, 12, "100201");
  server.put("/distanstest/1895Fysik/1895Fysik.tst", bytes);

  for (int q = 0; q < QuestionTable::kQuestions; ++q)
    for (int c = 0; c < 10; ++c) p->table.cell(c, q) = "gammalt";
  form().Text5->setText("1895Fysik.tst");
  LaddaTestFilWebb(*p);

  for (int q = 0; q < QuestionTable::kQuestions; ++q)
    for (int c = 0; c < 10; ++c)
      ASSERT_EQ(p->table.cell(c, q), saved.cell(c, q)) << "question " << q << " cell " << c;
}

}  // namespace
