#include "picture/TargetArea.h"

#include "model/NumberText.h"

QString columns(const QString& text, int first, int last) {
  return text.mid(first - 1, last - first + 1);
}

namespace {
qint16 judgedEdge(const QString& cell7, int first, int last) {
  // roundToInt16 gives 0 for a value outside the 16-bit range: such a field counts as empty.
  return roundToInt16(leadingNumber(columns(cell7, first, last)));
}

std::optional<double> difference(double to, double from) {
  const double d = to - from;
  if (!(d >= 0)) return std::nullopt;
  return d;
}
}  // namespace

JudgedArea judgedArea(const QString& cell7) {
  return {judgedEdge(cell7, 2, 5), judgedEdge(cell7, 7, 10), judgedEdge(cell7, 13, 16),
          judgedEdge(cell7, 18, 21)};
}

bool isInside(const JudgedArea& a, double x, double y) {
  return a.x1 < x && x < a.x2 && a.y1 < y && y < a.y2;
}

FrameArea frameArea(const QString& cell7) {
  FrameArea f;
  f.left = strictNumber(columns(cell7, 2, 5));
  f.top = strictNumber(columns(cell7, 13, 16));
  f.width = difference(leadingNumber(columns(cell7, 7, 10)), leadingNumber(columns(cell7, 2, 5)));
  f.height =
      difference(leadingNumber(columns(cell7, 18, 21)), leadingNumber(columns(cell7, 13, 16)));
  return f;
}

std::optional<double> klickLeft(const QString& cell7) {
  return strictNumber(columns(cell7, 1, 4));
}

std::optional<double> klickTop(const QString& cell7) {
  return strictNumber(columns(cell7, 13, 16));
}
