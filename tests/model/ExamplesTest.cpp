// The sample server tree under examples/: every test that tester.txt lists loads as the
// web loader reads it, and every picture its questions name lies beside it.
#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include "TestPaths.h"
#include "model/Cp1252.h"
#include "model/FieldReader.h"
#include "model/Markers.h"
#include "model/NumberText.h"
#include "model/QuestionTable.h"

namespace {

const QString kFolder = QStringLiteral(LUMIVO_EXAMPLES "/server/distanstest/");

QByteArray readFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    ADD_FAILURE() << "cannot read " << path.toStdString();
    return {};
  }
  return file.readAll();
}

// Windows-1252 with CR LF after every line, the last included, and no UTF-8 in disguise.
void expectServerText(const QByteArray& bytes) {
  ASSERT_TRUE(bytes.endsWith("\r\n"));
  EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
  EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n"));
  for (qsizetype i = 0; i + 1 < bytes.size(); ++i) {
    const auto lead = uchar(bytes[i]), next = uchar(bytes[i + 1]);
    EXPECT_FALSE((lead == 0xC3 || lead == 0xC2) && next >= 0x80 && next <= 0xBF)
        << "UTF-8 at byte " << i;
  }
}

QStringList testNames() {
  QStringList names;
  for (const QString& field : readFields(fromCp1252(readFile(kFolder + "tester.txt")))) {
    names << valueSlot(field);
  }
  return names;
}

// The picture window's coordinates of a picture pixel: the picture sits at 250, 150 twips.
constexpr int kTwipsPerPixel = 15;

struct Target {
  int left, right, top, bottom;
};

std::optional<Target> readTarget(const QString& cell7) {
  const auto column = [&](int from, int to) {
    return strictNumber(cell7.mid(from - 1, to - from + 1));
  };
  const auto l = column(2, 5), r = column(7, 10), t = column(13, 16), b = column(18, 21);
  if (!l || !r || !t || !b) return std::nullopt;
  return Target{int(*l), int(*r), int(*t), int(*b)};
}

// A click question's target is inside its picture and drawn there: the colour at its
// centre differs from the colour just left of it.
void expectVisibleTarget(const QImage& picture, const Target& t) {
  const auto pixel = [](int windowTwips, int offset) {
    return (windowTwips - offset) / kTwipsPerPixel;
  };
  const int left = pixel(t.left, 250), right = pixel(t.right, 250);
  const int top = pixel(t.top, 150), bottom = pixel(t.bottom, 150);
  ASSERT_LT(left, right);
  ASSERT_LT(top, bottom);
  ASSERT_GE(left, 6);
  ASSERT_GE(top, 0);
  ASSERT_LE(right, picture.width());
  ASSERT_LE(bottom, picture.height());
  const int middle = (top + bottom) / 2;
  EXPECT_NE(picture.pixelColor((left + right) / 2, middle), picture.pixelColor(left - 5, middle));
}

struct Coverage {
  int reserv = 0, svar = 0, bildsvar = 0, pictureFile = 0, klic = 0;
};

void checkTest(const QString& name, Coverage& seen) {
  ASSERT_TRUE(name.endsWith(".tst"));
  const QString folder = kFolder + name.chopped(4) + '/';
  const QByteArray bytes = readFile(folder + name);
  expectServerText(bytes);
  const QStringList fields = readFields(fromCp1252(bytes));
  EXPECT_EQ(fields.size(), bytes.count('\n')) << "a comma split a line";

  // Field 0: characters 5 to 7 of its number text, less one, are the scroll maximum.
  ASSERT_FALSE(fields.isEmpty());
  const std::optional<double> field0 = strictNumber(fields[0]);
  ASSERT_TRUE(field0.has_value()) << fields[0].toStdString();
  const std::optional<double> piece = strictNumber(numberText(*field0).mid(4, 3));
  ASSERT_TRUE(piece.has_value());
  const int scrollMax = int(*piece) - 1;

  QuestionTable table;
  for (qsizetype i = 1; i < fields.size(); ++i) {
    table.cell(int((i - 1) % 10), int((i - 1) / 10)) = fields[i];
  }
  int questions = 0;
  while (questions < QuestionTable::kQuestions && !ärSlut(table.cell(0, questions))) ++questions;
  EXPECT_EQ(scrollMax, questions - 1);
  EXPECT_GE(questions, 4);
  EXPECT_LE(questions, 8);
  EXPECT_EQ(fields.size(), 1 + 10 * (questions + 1)) << "SLUT is the last question";

  for (int q = 0; q < questions; ++q) {
    SCOPED_TRACE("question " + std::to_string(q));
    const QString& heading = table.cell(0, q);
    const QString& picture = table.cell(8, q);
    if (ärReserv(table.cell(6, q))) ++seen.reserv;
    const bool klic = ärKlic(heading) && utanBild(picture);
    if (klic) {
      ++seen.klic;
      EXPECT_TRUE(ärRätt(table.cell(2, q)));  // answered: +1
      EXPECT_TRUE(ärFel(table.cell(3, q)));   // missed: takes the point back
      const std::optional<Target> target = readTarget(table.cell(7, q));
      ASSERT_TRUE(target.has_value()) << table.cell(7, q).toStdString();
      const QImage image(folder + "bild");
      ASSERT_FALSE(image.isNull()) << "no picture \"bild\" beside " << name.toStdString();
      expectVisibleTarget(image, *target);
    } else if (ärSvar(heading)) {
      ++seen.svar;
    } else if (ärBildsvar(heading)) {
      ++seen.bildsvar;
      EXPECT_TRUE(ärRätt(table.cell(2, q)));  // the expected typed text
    } else {
      bool right = false;
      for (int r = 2; r <= 6; ++r) right |= ärRätt(table.cell(r, q));
      EXPECT_TRUE(right) << "nothing to score";
    }
    if (!utanBild(picture)) {
      ++seen.pictureFile;
      QImageReader reader(folder + picture);
      const QSize size = reader.size();
      EXPECT_TRUE(reader.canRead()) << picture.toStdString();
      EXPECT_GE(size.width(), 300);
      EXPECT_LE(size.width(), 500);
      EXPECT_FALSE(reader.read().isNull()) << reader.errorString().toStdString();
    }
  }
}

TEST(Examples, EveryListedTestLoads) {
  expectServerText(readFile(kFolder + "tester.txt"));
  const QStringList names = testNames();
  ASSERT_GE(names.size(), 3);
  EXPECT_TRUE(std::any_of(names.begin(), names.end(),
                          [](const QString& n) { return n.startsWith("prov"); }));
  Coverage seen;
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    checkTest(name, seen);
  }
  // Between them the samples show every kind of question.
  EXPECT_GE(seen.reserv, 1);
  EXPECT_GE(seen.svar, 1);
  EXPECT_GE(seen.bildsvar, 1);
  EXPECT_GE(seen.pictureFile, 2);
  EXPECT_GE(seen.klic, 1);
}

}  // namespace
