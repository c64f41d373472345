#pragma once
// The target area of a picture-click question, as its author writes it into cell 7: fixed
// character columns counted from 1, "X0590-1040.Y0150-0465":
//   1 not read, 2–5 left edge, 6 not read, 7–10 right edge, 11–12 not read,
//   13–16 top edge, 17 not read, 18–21 bottom edge,
// all in twips of the picture window. These reads hold no widgets, so any text can be fed
// to them.
#include <QString>
#include <QtGlobal>
#include <optional>

// Columns first..last (counted from 1) of a text; a short text gives what it has.
QString columns(const QString& text, int first, int last);

// The edges the judgement of a click compares with: the leading number of each field,
// rounded to a 16-bit integer (halves to the even neighbour). A field without a number
// counts 0; so does one whose value lies outside the 16-bit range ("9E99").
struct JudgedArea {
  qint16 x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};
JudgedArea judgedArea(const QString& cell7);

// A point strictly inside the area; a point on an edge is outside.
bool isInside(const JudgedArea& a, double x, double y);

// The target frame a teacher sees: left and top are the left and top fields read as strict
// numbers (none when the field is not wholly a number); width and height are the differences
// of the leading numbers of right and left, bottom and top (none when negative).
struct FrameArea {
  std::optional<double> left, top, width, height;
};
FrameArea frameArea(const QString& cell7);

// The two edges the picture-click flow sets before the frame is read as a whole: columns 1–4
// and 13–16 read as strict numbers.
std::optional<double> klickLeft(const QString& cell7);
std::optional<double> klickTop(const QString& cell7);
