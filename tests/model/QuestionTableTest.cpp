// The question table's bounds and the markers that give cells their meaning.
#include <gtest/gtest.h>

#include "QtPrinters.h"

#include "model/Markers.h"
#include "model/QuestionTable.h"

namespace {

TEST(QuestionTable, StartsEmptyAndKeepsWhatIsStored) {
  QuestionTable table;
  EXPECT_EQ(table.cell(0, 0), "");
  EXPECT_EQ(table.cell(10, 200), "");
  table.cell(10, 200) = "sist";
  table.cell(0, 0) = "först";
  const QuestionTable& read = table;
  EXPECT_EQ(read.cell(10, 200), "sist");
  EXPECT_EQ(read.cell(0, 0), "först");
  EXPECT_EQ(read.cell(0, 1), "");
}

TEST(QuestionTable, IndexOutsideIsAnIndexError) {
  QuestionTable table;
  const QuestionTable& read = table;
  const std::pair<int, int> outside[] = {{-1, 0}, {11, 0}, {0, 201}, {0, -1}, {11, 201}};
  for (auto [c, q] : outside) {
    EXPECT_THROW(table.cell(c, q), IndexError) << c << "," << q;
    EXPECT_THROW(read.cell(c, q), IndexError) << c << "," << q;
  }
}

TEST(Markers, ExactAndCaseSensitive) {
  EXPECT_TRUE(ärSlut("SLUT"));
  EXPECT_TRUE(ärSlut("SLUTET"));
  EXPECT_FALSE(ärSlut("Slut"));
  EXPECT_FALSE(ärSlut(" SLUT"));
  EXPECT_TRUE(ärSvar("SVAR Förklara"));
  EXPECT_FALSE(ärSvar("SVA"));
  EXPECT_TRUE(ärBildsvar("BILDSVAR Vilken stad"));
  EXPECT_FALSE(ärBildsvar("BILDSVA"));
  EXPECT_TRUE(ärKlic("KLIC Klicka"));
  EXPECT_FALSE(ärKlic("klic"));
  EXPECT_TRUE(ärRätt("r Oslo"));
  EXPECT_FALSE(ärRätt("rOslo"));
  EXPECT_FALSE(ärRätt("R Oslo"));
  EXPECT_TRUE(ärFel("f Bergen"));
  EXPECT_FALSE(ärFel(""));
  EXPECT_TRUE(ärReserv("reserv"));
  EXPECT_TRUE(ärReserv("reservrad"));
  EXPECT_FALSE(ärReserv("Reserv"));
  EXPECT_TRUE(utanBild("bild"));
  EXPECT_FALSE(utanBild("Bild"));
  EXPECT_FALSE(utanBild("bild "));
  EXPECT_FALSE(utanBild("bild.gif"));
  EXPECT_EQ(utanRadmärke("r Oslo"), "Oslo");
  EXPECT_EQ(utanRadmärke("f "), "");
  EXPECT_EQ(utanRadmärke("reserv"), "reserv");
  EXPECT_EQ(utanRadmärke("x Oslo"), "x Oslo");
}

}  // namespace
