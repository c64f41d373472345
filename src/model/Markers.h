#pragma once
// The markers that give cells their meaning. All comparisons are exact and
// case-sensitive; "begins with" looks at the first characters only.
#include <QString>

// Cell 0 begins "SLUT": the end of the test; the questions before it are the test.
inline bool ärSlut(const QString& cell0) {
  return cell0.startsWith(u"SLUT");
}
// Cell 0 begins "SVAR": a typed-answer question.
inline bool ärSvar(const QString& cell0) {
  return cell0.startsWith(u"SVAR");
}
// Cell 0 begins "BILDSVAR": a typed answer about a picture, checked against row 2.
inline bool ärBildsvar(const QString& cell0) {
  return cell0.startsWith(u"BILDSVAR");
}
// Cell 0 begins "KLIC": a click-in-picture question when cell 8 is exactly "bild".
inline bool ärKlic(const QString& cell0) {
  return cell0.startsWith(u"KLIC");
}
// An answer row (cells 2..6) that is right: it begins "r ".
inline bool ärRätt(const QString& cell) {
  return cell.startsWith(u"r ");
}
// An answer row (cells 2..6) that is wrong: it begins "f ".
inline bool ärFel(const QString& cell) {
  return cell.startsWith(u"f ");
}
// Cell 6 begins "reserv": answer row 6 is not used.
inline bool ärReserv(const QString& cell6) {
  return cell6.startsWith(u"reserv");
}
// Cell 8 is exactly "bild": the question has no picture file of its own.
inline bool utanBild(const QString& cell8) {
  return cell8 == u"bild";
}

// The text of an answer row without its "r " or "f " marker, as the row is shown.
inline QString utanRadmärke(const QString& cell) {
  return ärRätt(cell) || ärFel(cell) ? cell.mid(2) : cell;
}
