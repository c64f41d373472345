#pragma once
// Small controls the windows are built from. They carry looks and raise events; no logic.
#include <QCollator>
#include <QColor>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

// A label that reports clicks and double clicks.
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void clicked();
  void doubleClicked();

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  bool pressed_ = false;
};

// A text box. Its text uses CR LF between lines, as the files do; the box shows plain lines.
// Setting the same text again changes nothing and raises no change.
class TextBox : public QPlainTextEdit {
  Q_OBJECT
 public:
  TextBox(QWidget* parent, bool multiLine);
  QString text() const;
  void setText(const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  bool multiLine_;
};

// A rectangle: an outline of a given width and colour, or a filled area. It takes no clicks.
class Shape : public QWidget {
 public:
  explicit Shape(QWidget* parent);
  void setBorderColor(const QColor& c);
  QColor borderColor() const { return border_; }
  void setBorderWidth(int px);
  void setFill(const QColor& c);  // an invalid colour means no fill

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QColor border_ = Qt::black;
  QColor fill_;
  int borderWidth_ = 1;
};

// A timer whose interval is its switch: 0 stops it, any other value (re)starts it.
class Timer {
 public:
  void setInterval(int ms);
  int interval() const { return interval_; }
  QTimer qtimer;

 private:
  int interval_ = 0;
};

// A list that keeps its entries in the order a Swedish reader expects (a–z, å, ä, ö,
// case-insensitive).
class SortedList : public QListWidget {
 public:
  explicit SortedList(QWidget* parent);
  void addSorted(const QString& text);
  QStringList entries() const;

 private:
  QCollator collator_;
};

// The files of one folder that match a pattern ("*.tst", or several joined by ";"), in
// alphabetical order. Selecting an entry in code raises the selection event at once.
class FileListBox : public QListWidget {
 public:
  FileListBox(QWidget* parent, const QString& pattern);
  void setPath(const QString& folder);
  QString path() const { return path_; }
  void refresh();  // reads the folder again
  QString fileName(int i) const;

 private:
  QString path_;
  QStringList patterns_;
  QCollator collator_;
};

// A picture area: shows a picture at its own size, or stretched to fill the area, and reports
// the pointer in twips of the area.
class PictureBox : public QLabel {
  Q_OBJECT
 public:
  PictureBox(QWidget* parent, bool stretch);
  void setPicture(const QImage& image);  // a null image clears it
  void clearPicture() { setPicture(QImage()); }
  bool hasPicture() const { return !image_.isNull(); }
  const QImage& picture() const { return image_; }
 signals:
  void mouseMoved(Qt::MouseButtons buttons, int xTwips, int yTwips);
  void mousePressed(Qt::MouseButtons buttons, int xTwips, int yTwips);
  void clicked();

 protected:
  void mouseMoveEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  void refresh();
  QImage image_;
  bool stretch_;
  bool pressed_ = false;
};
