#include <QString>
#include <QStringList>
#include <cmath>

#include "fuzz/FuzzChecks.h"
#include "model/NumberText.h"
#include "picture/TargetArea.h"

namespace {
void fail(const char* what) {
  fuzzFail("target area", what);
}
bool finiteOrNone(const std::optional<double>& v) {
  return !v || std::isfinite(*v);
}
}  // namespace

void checkTargetArea(const uint8_t* data, size_t size) {
  const QStringList parts =
      QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).split(u'\n');
  const QString cell7 = parts.value(0);
  const double x = leadingNumber(parts.value(1));
  const double y = leadingNumber(parts.value(2));

  const JudgedArea a = judgedArea(cell7);
  if (isInside(a, x, y) && !(a.x1 < x && x < a.x2 && a.y1 < y && y < a.y2))
    fail("a point outside the area was judged inside");
  // An edge is outside; one twip inside every edge is inside.
  for (double ex : {double(a.x1), double(a.x2)})
    if (isInside(a, ex, y)) fail("a point on a vertical edge was judged inside");
  for (double ey : {double(a.y1), double(a.y2)})
    if (isInside(a, x, ey)) fail("a point on a horizontal edge was judged inside");
  if (a.x1 + 1 < a.x2 && a.y1 + 1 < a.y2 && !isInside(a, a.x1 + 1, a.y1 + 1))
    fail("a point one twip inside the corner was judged outside");
  // Nothing that is no number is taken for one.
  if (std::isnan(x) || std::isnan(y)) fail("a leading number is NaN");
  if (isInside(a, x, y) && (!std::isfinite(x) || !std::isfinite(y)))
    fail("an infinite point was judged inside");

  const FrameArea f = frameArea(cell7);
  if (!finiteOrNone(f.left) || !finiteOrNone(f.top)) fail("a frame edge is not finite");
  if ((f.width && !(*f.width >= 0)) || (f.height && !(*f.height >= 0)))
    fail("a frame size is negative or NaN");
  if (!finiteOrNone(klickLeft(cell7)) || !finiteOrNone(klickTop(cell7)))
    fail("a picture-click edge is not finite");
}
