#include "app/Controls.h"

#include <QDir>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "app/Twips.h"

void ClickLabel::mousePressEvent(QMouseEvent* e) {
  pressed_ = e->button() == Qt::LeftButton;
  QLabel::mousePressEvent(e);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
  const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->pos());
  pressed_ = false;
  QLabel::mouseReleaseEvent(e);
  if (click) emit clicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* e) {
  QLabel::mouseDoubleClickEvent(e);
  if (e->button() == Qt::LeftButton) emit doubleClicked();
}

namespace {
QString toLines(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}
}  // namespace

TextBox::TextBox(QWidget* parent, bool multiLine) : QPlainTextEdit(parent), multiLine_(multiLine) {
  setTabChangesFocus(true);
  if (!multiLine) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
}

QString TextBox::text() const {
  QString t = toPlainText();
  t.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
  return t;
}

void TextBox::setText(const QString& text) {
  const QString lines = toLines(text);
  if (lines == toPlainText()) return;
  setPlainText(lines);
}

void TextBox::keyPressEvent(QKeyEvent* e) {
  // A one-line box takes no line breaks from the keyboard.
  if (!multiLine_ && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
    e->ignore();
    return;
  }
  QPlainTextEdit::keyPressEvent(e);
}

Shape::Shape(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setBorderColor(const QColor& c) {
  border_ = c;
  update();
}

void Shape::setBorderWidth(int px) {
  borderWidth_ = px;
  update();
}

void Shape::setFill(const QColor& c) {
  fill_ = c;
  update();
}

void Shape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (fill_.isValid()) painter.fillRect(rect(), fill_);
  if (borderWidth_ > 0) {
    QPen pen(border_, borderWidth_);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // The outline lies wholly inside the shape's place.
    const qreal half = borderWidth_ / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
  }
}

void Timer::setInterval(int ms) {
  interval_ = ms;
  if (ms == 0)
    qtimer.stop();
  else
    qtimer.start(ms);
}

namespace {
QCollator swedishCollator() {
  QCollator c{QLocale(QLocale::Swedish, QLocale::Sweden)};
  c.setCaseSensitivity(Qt::CaseInsensitive);
  c.setNumericMode(false);
  return c;
}
}  // namespace

SortedList::SortedList(QWidget* parent) : QListWidget(parent), collator_(swedishCollator()) {}

void SortedList::addSorted(const QString& text) {
  int lo = 0, hi = count();
  while (lo < hi) {
    const int mid = (lo + hi) / 2;
    if (collator_.compare(item(mid)->text(), text) <= 0)
      lo = mid + 1;
    else
      hi = mid;
  }
  // Inserting moves rows; a selection must not silently point at another entry afterwards.
  const QSignalBlocker block(this);
  insertItem(lo, text);
}

QStringList SortedList::entries() const {
  QStringList out;
  for (int i = 0; i < count(); ++i) out << item(i)->text();
  return out;
}

FileListBox::FileListBox(QWidget* parent, const QString& pattern)
    : QListWidget(parent),
      patterns_(pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)),
      collator_(swedishCollator()) {}

void FileListBox::setPath(const QString& folder) {
  path_ = folder;
  refresh();
}

void FileListBox::refresh() {
  QStringList names = QDir(path_).entryList(patterns_, QDir::Files | QDir::Hidden | QDir::System);
  std::sort(names.begin(), names.end(),
            [this](const QString& a, const QString& b) { return collator_.compare(a, b) < 0; });
  const QSignalBlocker block(this);
  clear();
  addItems(names);
}

QString FileListBox::fileName(int i) const {
  const QListWidgetItem* it = item(i);
  return it ? it->text() : QString();
}

PictureBox::PictureBox(QWidget* parent, bool stretch) : QLabel(parent), stretch_(stretch) {
  setMouseTracking(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureBox::setPicture(const QImage& image) {
  image_ = image;
  if (!stretch_ && !image_.isNull()) resize(image_.size());
  refresh();
}

void PictureBox::refresh() {
  if (image_.isNull()) {
    setPixmap(QPixmap());
    return;
  }
  if (stretch_)
    setPixmap(
        QPixmap::fromImage(image_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
  else
    setPixmap(QPixmap::fromImage(image_));
}

void PictureBox::resizeEvent(QResizeEvent* e) {
  QLabel::resizeEvent(e);
  if (stretch_) refresh();
}

void PictureBox::mouseMoveEvent(QMouseEvent* e) {
  QLabel::mouseMoveEvent(e);
  const QPoint p = e->position().toPoint();
  emit mouseMoved(e->buttons(), toTwips(p.x()), toTwips(p.y()));
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
  QLabel::mousePressEvent(e);
  pressed_ = true;
  const QPoint p = e->position().toPoint();
  emit mousePressed(e->buttons(), toTwips(p.x()), toTwips(p.y()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
  QLabel::mouseReleaseEvent(e);
  const bool click = pressed_ && rect().contains(e->position().toPoint());
  pressed_ = false;
  if (click) emit clicked();
}
