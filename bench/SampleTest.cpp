#include "SampleTest.h"

#include <array>
#include <cstdint>

#include "model/Cp1252.h"
#include "model/QuestionTable.h"

namespace {

constexpr int kQuestions = QuestionTable::kQuestions;

// A small fixed generator, so that every run loads the same test.
class Draw {
 public:
  explicit Draw(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
  int below(int n) {
    state_ = state_ * 1664525u + 1013904223u;
    return int((state_ >> 8) % std::uint32_t(n));
  }

 private:
  std::uint32_t state_;
};

const std::array<const char*, 48> kWords = {
    "kraft",    "ljus",      "vatten",  "energi",  "massa",  "hastighet", "värme",  "ström",
    "spänning", "motstånd",  "cirkel",  "radien",  "kartan", "floden",    "berget", "sjön",
    "landet",   "huvudstad", "klimat",  "växter",  "djuren", "cellen",    "blodet", "hjärtat",
    "år",       "mätning",   "enheten", "formeln", "svaret", "bilden",    "frågan", "läraren",
    "eleven",   "boken",     "kapitel", "sidan",   "rätt",   "fel",       "större", "mindre",
    "alltid",   "aldrig",    "ofta",    "ibland",  "när",    "varför",    "hur",    "vilken"};

QString words(Draw& d, int count) {
  QString text;
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += QLatin1Char(' ');
    text += QString::fromUtf8(kWords[d.below(int(kWords.size()))]);
  }
  return text;
}

}  // namespace

namespace sample {

const QStringList& pictureNames() {
  static const QStringList names{QStringLiteral("foto.jpg"), QStringLiteral("karta.gif"),
                                 QStringLiteral("cirkel.bmp")};
  return names;
}

QStringList questionCells(int q, bool pictures) {
  Draw d(std::uint32_t(q) + 1);
  // Every seventh question asks for a typed answer; the others have three to five rows, of
  // which one or two are right.
  const bool typed = q % 7 == 3;
  QStringList cells;
  cells << (typed ? QStringLiteral("SVAR") : QString()) + QStringLiteral("Fråga %1  ").arg(q + 1) +
               words(d, 2);
  cells << words(d, 8 + d.below(20)) + QStringLiteral("?");
  const int rows = typed ? 0 : 3 + d.below(3);
  const int right = d.below(rows > 0 ? rows : 1);
  for (int r = 0; r < 5; ++r) {
    if (r < rows)
      cells << (r == right || (r == right + 2 && q % 3 == 0) ? QStringLiteral("r ")
                                                             : QStringLiteral("f ")) +
                   words(d, 2 + d.below(6));
    else
      cells << (r == 4 ? QStringLiteral("reserv") : QString());
  }
  cells << QString();  // no target area
  cells << (pictures ? pictureNames()[q % pictureNames().size()] : QStringLiteral("bild"));
  cells << (q % 4 == 0 ? QStringLiteral("Kapitel %1 i boken").arg(1 + q / 20) : QString());
  return cells;
}

QByteArray webTest(bool pictures) {
  // The number text of field 0 is " 100201"; its characters 5 to 7, "201", less one give 200.
  QString text = QStringLiteral("100201\r\n");
  for (int q = 0; q < kQuestions; ++q)
    for (const QString& cell : questionCells(q, pictures)) text += cell + QStringLiteral("\r\n");
  return toCp1252(text);
}

void fillTable(QuestionTable& table, bool pictures) {
  for (int q = 0; q < kQuestions; ++q) {
    const QStringList cells = questionCells(q, pictures);
    for (int c = 0; c < cells.size(); ++c) table.cell(c, q) = cells[c];
  }
}

}  // namespace sample
