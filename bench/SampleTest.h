#pragma once
// The tests the benchmarks load: 201 questions (the whole table) with Swedish texts of the length
// teachers write, made the same way every time.
#include <QByteArray>
#include <QString>
#include <QStringList>

class QuestionTable;

namespace sample {

// The pictures a picture test names in cell 8, in turn (the sample server's own pictures).
const QStringList& pictureNames();

// Cells 0..9 of question q. With `pictures`, cell 8 names one of pictureNames(); otherwise it is
// "bild" (no picture).
QStringList questionCells(int q, bool pictures);

// A web test of 201 questions as the server gives it: field 0, then ten cells a question, one a
// line, in Windows-1252 with CR LF. Field 0 gives the scroll bar its maximum of 200.
QByteArray webTest(bool pictures);

// The same questions in a question table.
void fillTable(QuestionTable& table, bool pictures);

}  // namespace sample
