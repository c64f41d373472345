// Records that change the drawing state: map mode, window and viewport, colours and
// modes, SAVEDC/RESTOREDC and the clip.
#include "picture/WmfPlayer.h"

namespace {

// An extent of 0 would make the mapping meaningless; Windows refuses it too.
void setExtent(QPointF& extent, double x, double y) {
  if (x != 0 && y != 0) extent = QPointF(x, y);
}

void scaleExtent(QPointF& extent, const WmfParams& p) {
  const int yDenom = p.s16(0), yNum = p.s16(1), xDenom = p.s16(2), xNum = p.s16(3);
  if (xDenom == 0 || yDenom == 0) return;
  setExtent(extent, extent.x() * xNum / xDenom, extent.y() * yNum / yDenom);
}

}  // namespace

bool WmfPlayer::playStateRecord(const WmfRecord& record) {
  const WmfParams& p = record.params;
  WmfMapping& m = dc_.mapping;
  switch (record.function) {
    case wmf::SETMAPMODE:
      if (p.u16(0) >= wmf::MM_TEXT && p.u16(0) <= wmf::MM_ANISOTROPIC) m.mode = p.u16(0);
      break;
    case wmf::SETWINDOWORG:
      m.windowOrg = QPointF(p.s16(1), p.s16(0));
      break;
    case wmf::SETWINDOWEXT:
      setExtent(m.windowExt, p.s16(1), p.s16(0));
      break;
    case wmf::SETVIEWPORTORG:
      m.viewportOrg = QPointF(p.s16(1), p.s16(0));
      break;
    case wmf::SETVIEWPORTEXT:
      setExtent(m.viewportExt, p.s16(1), p.s16(0));
      break;
    case wmf::OFFSETWINDOWORG:
      m.windowOrg += QPointF(p.s16(1), p.s16(0));
      break;
    case wmf::OFFSETVIEWPORTORG:
      m.viewportOrg += QPointF(p.s16(1), p.s16(0));
      break;
    case wmf::SCALEWINDOWEXT:
      scaleExtent(m.windowExt, p);
      break;
    case wmf::SCALEVIEWPORTEXT:
      scaleExtent(m.viewportExt, p);
      break;
    case wmf::SETBKMODE:
      if (p.u16(0) == wmf::TRANSPARENT || p.u16(0) == wmf::OPAQUE) dc_.bkMode = p.u16(0);
      return true;
    case wmf::SETBKCOLOR:
      dc_.bkColor = p.color(0);
      return true;
    case wmf::SETTEXTCOLOR:
      dc_.textColor = p.color(0);
      return true;
    case wmf::SETTEXTALIGN:
      dc_.textAlign = p.u16(0);
      return true;
    case wmf::SETPOLYFILLMODE:
      if (p.u16(0) == wmf::ALTERNATE || p.u16(0) == wmf::WINDING) dc_.polyFillMode = p.u16(0);
      return true;
    case wmf::SAVEDC:
      if (saved_.size() < std::size_t(kMaxSavedStates)) saved_.push_back(dc_);
      return true;
    case wmf::RESTOREDC:
      restoreDc(p.s16(0));
      return true;
    case wmf::INTERSECTCLIPRECT:
      clipToRect(p, false);
      return true;
    case wmf::EXCLUDECLIPRECT:
      clipToRect(p, true);
      return true;
    case wmf::SELECTCLIPREGION:
      // Regions are not drawn; selecting one (or none) leaves the picture unclipped.
      dc_.clipped = false;
      dc_.clip = QRegion();
      applyClip();
      return true;
    default:
      return false;
  }
  updateTransform();
  return true;
}

// A negative number counts back from the last SAVEDC; a positive one names a saved
// state by its place on the stack, counted from 1.
void WmfPlayer::restoreDc(int which) {
  const qsizetype depth = qsizetype(saved_.size());
  const qsizetype keep = which < 0 ? depth + which : qsizetype(which) - 1;
  if (keep < 0 || keep >= depth) return;
  dc_ = saved_[std::size_t(keep)];
  saved_.resize(std::size_t(keep));
  updateTransform();
  applyClip();
}

void WmfPlayer::clipToRect(const WmfParams& p, bool exclude) {
  const QRect canvas = canvas_.rect();
  const QRect box = mapRect(p.s16(3), p.s16(2), p.s16(1), p.s16(0)).toAlignedRect();
  const QRegion current = dc_.clipped ? dc_.clip : QRegion(canvas);
  dc_.clip = exclude ? current.subtracted(box.intersected(canvas)) : current.intersected(box);
  dc_.clipped = true;
  // A clip of many pieces costs work each time it is used.
  spend(qint64(dc_.clip.rectCount()) * 64);
  applyClip();
}

void WmfPlayer::applyClip() {
  if (!painter_.isActive()) return;
  if (dc_.clipped)
    painter_.setClipRegion(dc_.clip);
  else
    painter_.setClipping(false);
}
