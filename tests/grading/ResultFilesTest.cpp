// The two result files of an attempt, byte for byte, against files built independently from the
// file rules by tests/data/grading/make_expected.py.
#include <QDir>
#include <QFile>
#include <QPushButton>

#include "app/Form1.h"
#include "grading/AnswersFile.h"
#include "grading/GradingFixture.h"

namespace {
QByteArray readFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

class ResultFiles : public GradingFixture, public ::testing::WithParamInterface<QString> {};

TEST_P(ResultFiles, AvslutaWritesBothFilesAsBuiltFromTheRules) {
  attempt(scenario(GetParam()));
  const QDir expected(expectedFolder(GetParam()));
  const QStringList names = sorted(expected.entryList(QDir::Files));
  ASSERT_EQ(names.size(), 2) << "make_expected.py has not been run";
  // Older, longer files of the same names are replaced whole, not appended to or left behind.
  for (const QString& n : names) writeWork(n, QByteArray(20000, 'x'));

  form().Command3->click();

  EXPECT_TRUE(p->ended());
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();
  EXPECT_EQ(workEntries(), names);
  for (const QString& n : names)
    EXPECT_EQ(readWork(n), readFile(expected.filePath(n))) << n.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ResultFiles, ::testing::ValuesIn(scenarioNames()),
                         [](const auto& info) { return info.param.toStdString(); });

// Names: the base name is INFIL without its last four characters; what file systems refuse
// becomes "_"; nothing can name a folder.
struct NameCase {
  const char* what;
  QString user, klass, infil;
  QString expected;
};

class AnswersFileName : public GradingFixture, public ::testing::WithParamInterface<NameCase> {};

TEST_P(AnswersFileName, IsAPlainNameOfTheWorkingFolder) {
  const NameCase& c = GetParam();
  p->ANVÄNDARE = c.user;
  p->KLASS = c.klass;
  p->INFIL = c.infil;
  p->AntRätt = 4;
  EXPECT_EQ(svarsfilnamn(*p), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnswersFileName,
    ::testing::Values(
        NameCase{"ClassAndScore", "Elev", "7A", "prov1.tst", "7A Elev  4prov1.txt"},
        NameCase{"NoClassNoScore", "Elev", "", "prov1.tst", "Elev prov1.txt"},
        NameCase{"ParentInName", "../x", "", "prov1.tst", ".._x prov1.txt"},
        NameCase{"SlashInName", "a/b", "", "prov1.tst", "a_b prov1.txt"},
        NameCase{"ColonInClass", "Elev", "7:A", "prov1.tst", "7_A Elev  4prov1.txt"},
        NameCase{"EveryRefusedCharacter", "\\:*?\"<>|", "", "prov1.tst", "________ prov1.txt"},
        NameCase{"ControlCharacters", QStringLiteral("a\tb\x01"), QStringLiteral("\x7f"),
                 "prov1.tst", "_ a_b_  4prov1.txt"},
        NameCase{"FolderInTestName", "Elev", "", "../../ut.tst.tst", "Elev .._.._ut.tst.txt"},
        NameCase{"AbsoluteTestName", "Elev", "", "/etc/x.tst", "Elev _etc_x.txt"},
        NameCase{"InfilOfFourCharacters", "Elev", "", ".tst", "Elev .txt"},
        NameCase{"InfilShorterThanFour", "Elev", "", "tst", "Elev "},
        NameCase{"EmptyInfil", "Elev", "", "", "Elev "}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(SafeFileName, NeverNamesAFolder) {
  EXPECT_EQ(säkertFilnamn(QString()), QStringLiteral("_"));
  EXPECT_EQ(säkertFilnamn(QStringLiteral(".")), QStringLiteral("_"));
  EXPECT_EQ(säkertFilnamn(QStringLiteral("..")), QStringLiteral("__"));
  EXPECT_EQ(säkertFilnamn(QStringLiteral("...")), QStringLiteral("..."));
  EXPECT_EQ(säkertFilnamn(QStringLiteral("Åsa Öberg.txt")), QStringLiteral("Åsa Öberg.txt"));
}
