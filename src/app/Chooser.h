#pragma once
// The picture chooser's controls inside Frame2 "Bildval". A view: the editor's routines
// act on them, the wiring connects their events.
#include <QComboBox>
#include <QObject>
#include <array>

#include "app/Controls.h"

class QGroupBox;
class QLabel;
class QPushButton;

// The drives: the file system's root and its mounted volumes, each by the folder it is
// mounted on. Choosing another one raises currentIndexChanged.
class DriveListBox : public QComboBox {
 public:
  explicit DriveListBox(QWidget* parent);
  void reload();
  QString drive() const;  // the chosen volume's folder ("/" for the root)
  // Chooses the volume that holds a folder, without raising an event.
  void showDriveOf(const QString& folder);
};

// The folders, as a folder list shows them: the chosen folder's parents from the root down,
// the folder itself, then its subfolders one step further in. A double click (or Enter) on
// an entry makes it the chosen folder.
class DirListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit DirListBox(QWidget* parent);
  QString path() const { return path_; }
  // Raises pathChanged when the folder differs from the one shown.
  void setPath(const QString& folder);
  // Shows a folder without raising an event (the lists' start place).
  void showPath(const QString& folder);
  QString entryPath(int i) const;  // the folder of entry i ("" outside the list)
 signals:
  void pathChanged();

 private:
  void fill();
  QString path_;
};

// The picture files of a folder. A click on an entry raises fileClicked, also a click on
// the entry already chosen; so does choosing an entry in code or with the keys.
class PictureFileList : public FileListBox {
  Q_OBJECT
 public:
  explicit PictureFileList(QWidget* parent);
  QString fileName() const;  // the chosen entry's name, "" when none is chosen
 signals:
  void fileClicked();

 protected:
  void mousePressEvent(QMouseEvent* e) override;
};

// The MIME type under which the preview is dragged inside the chooser.
inline constexpr const char* kPreviewMime = "application/x-lumivo-chooser-preview";

// A picture area that the preview can be dropped on (and, for the preview, dragged from).
// A drop raises dropped once the drag is over.
class DropPictureBox : public PictureBox {
  Q_OBJECT
 public:
  explicit DropPictureBox(QWidget* parent);
  // Drags this area's picture; returns when it is dropped or given up.
  void beginDrag();
 signals:
  void dropped();

 protected:
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dropEvent(QDropEvent* e) override;
};

// A box around a thumbnail. It has a picture of its own, drawn at its own size from the top
// left corner beneath the thumbnail; it can be made a drop target.
class PictureFrameBox : public QWidget {
  Q_OBJECT
 public:
  explicit PictureFrameBox(QWidget* parent);
  void setPicture(const QImage& image);  // a null image clears it
  void clearPicture() { setPicture(QImage()); }
  const QImage& picture() const { return image_; }
 signals:
  void dropped();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  QImage image_;
};

class Chooser : public QObject {
  Q_OBJECT
 public:
  explicit Chooser(QGroupBox* frame);

  // The lists show a folder, as they do when the window is made: nothing is raised, and
  // Label7 keeps its design text.
  void startIn(const QString& folder);

  QGroupBox* Frame2 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* lblVBild = nullptr;
  DropPictureBox* imgValdBild = nullptr;
  DriveListBox* Drive2 = nullptr;
  DirListBox* Dir2 = nullptr;
  PictureFileList* File2 = nullptr;
  QLabel* Label7 = nullptr;
  std::array<PictureFrameBox*, 4> Picture{};  // 1..3: the boxes that hold the thumbnails
  std::array<DropPictureBox*, 4> imgVal{};    // 1..3
  std::array<QLabel*, 4> lblVal{};            // 0..3; 0 is a label nothing changes
  QLabel* Label10 = nullptr;
  QLabel* Label11 = nullptr;
  QPushButton* Command16 = nullptr;
  QPushButton* Command17 = nullptr;
  QPushButton* Command15 = nullptr;

 signals:
  // A double click on the frame itself, not on one of its controls.
  void frameDoubleClicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};
