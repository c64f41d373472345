#include "app/Chooser.h"

#include <QCollator>
#include <QDir>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>
#include <QTimer>
#include <algorithm>

#include "app/Looks.h"
#include "app/Twips.h"

namespace {
constexpr std::array<int, 4> kBoxLefts = {0, 840, 3000, 5160};
constexpr int kBoxEdge = 30;  // twips of the box around a thumbnail
constexpr int kDragPictureSide = 96;

QString cleanFolder(const QString& folder) {
  return QDir::cleanPath(QDir(folder).absolutePath());
}

QCollator swedishOrder() {
  QCollator c{QLocale(QLocale::Swedish, QLocale::Sweden)};
  c.setCaseSensitivity(Qt::CaseInsensitive);
  return c;
}

// Only the chooser's own drag of the preview is taken, and only by a control that takes drops.
bool isPreviewDrag(const QWidget* target, const QMimeData* mime) {
  return target->acceptDrops() && mime && mime->hasFormat(QString::fromLatin1(kPreviewMime));
}

// The folders from the root down to a folder, the root first.
QStringList foldersDownTo(const QString& folder) {
  QStringList chain;
  QDir d(folder);
  chain.prepend(d.absolutePath());
  while (d.cdUp()) chain.prepend(d.absolutePath());
  return chain;
}

QString folderName(const QString& folder) {
  const QString name = QFileInfo(folder).fileName();
  return name.isEmpty() ? folder : name;
}
}  // namespace

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent) {
  reload();
}

void DriveListBox::reload() {
  QStringList roots{QDir::rootPath()};
  for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
    // A single file mounted on its own (as containers do) is no drive.
    if (v.isValid() && v.isReady() && QFileInfo(v.rootPath()).isDir() &&
        !roots.contains(v.rootPath()))
      roots << v.rootPath();
  }
  std::sort(roots.begin() + 1, roots.end());
  const QSignalBlocker block(this);
  clear();
  addItems(roots);
}

QString DriveListBox::drive() const {
  return currentText();
}

void DriveListBox::showDriveOf(const QString& folder) {
  const QString root = QStorageInfo(folder).rootPath();
  const QSignalBlocker block(this);
  int i = findText(root.isEmpty() ? QDir::rootPath() : root);
  if (i < 0) {
    addItem(root);
    i = count() - 1;
  }
  setCurrentIndex(i);
}

DirListBox::DirListBox(QWidget* parent) : QListWidget(parent) {
  connect(this, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { setPath(item->data(Qt::UserRole).toString()); });
}

void DirListBox::setPath(const QString& folder) {
  const QString clean = cleanFolder(folder);
  if (clean == path_) return;
  showPath(clean);
  emit pathChanged();
}

void DirListBox::showPath(const QString& folder) {
  path_ = cleanFolder(folder);
  fill();
}

QString DirListBox::entryPath(int i) const {
  const QListWidgetItem* it = item(i);
  return it ? it->data(Qt::UserRole).toString() : QString();
}

void DirListBox::fill() {
  const QSignalBlocker block(this);
  clear();
  const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
  const QString step = QStringLiteral("   ");
  const QStringList chain = foldersDownTo(path_);
  for (int level = 0; level < chain.size(); ++level) {
    auto* it = new QListWidgetItem(open, step.repeated(level) + folderName(chain[level]), this);
    it->setData(Qt::UserRole, chain[level]);
  }
  QStringList subfolders = QDir(path_).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  const QCollator order = swedishOrder();
  std::sort(subfolders.begin(), subfolders.end(),
            [&order](const QString& a, const QString& b) { return order.compare(a, b) < 0; });
  for (const QString& name : subfolders) {
    auto* it = new QListWidgetItem(closed, step.repeated(chain.size()) + name, this);
    it->setData(Qt::UserRole, QDir(path_).filePath(name));
  }
  setCurrentRow(int(chain.size()) - 1);
}

PictureFileList::PictureFileList(QWidget* parent)
    : FileListBox(parent, QStringLiteral("*.bmp;*.jpg;*.gif;*.wmf;*.jpeg")) {
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) emit fileClicked();
  });
}

QString PictureFileList::fileName() const {
  return FileListBox::fileName(currentRow());
}

void PictureFileList::mousePressEvent(QMouseEvent* e) {
  const int before = currentRow();
  FileListBox::mousePressEvent(e);
  // A click on the entry already chosen changes no row, but is a click all the same.
  if (currentRow() == before && before >= 0 && itemAt(e->position().toPoint()) == item(before))
    emit fileClicked();
}

DropPictureBox::DropPictureBox(QWidget* parent) : PictureBox(parent, true) {
  setAcceptDrops(true);
}

void DropPictureBox::beginDrag() {
  auto* drag = new QDrag(this);
  auto* mime = new QMimeData;
  mime->setData(QString::fromLatin1(kPreviewMime), QByteArray());
  drag->setMimeData(mime);
  if (hasPicture()) {
    const QPixmap shown = QPixmap::fromImage(
        picture().scaled(kDragPictureSide, kDragPictureSide, Qt::KeepAspectRatio));
    drag->setPixmap(shown);
    drag->setHotSpot(QPoint(shown.width() / 2, shown.height() / 2));
  }
  drag->exec(Qt::CopyAction);
}

void DropPictureBox::dragEnterEvent(QDragEnterEvent* e) {
  if (isPreviewDrag(this, e->mimeData()))
    e->acceptProposedAction();
  else
    e->ignore();
}

void DropPictureBox::dragMoveEvent(QDragMoveEvent* e) {
  if (isPreviewDrag(this, e->mimeData()))
    e->acceptProposedAction();
  else
    e->ignore();
}

void DropPictureBox::dropEvent(QDropEvent* e) {
  if (!isPreviewDrag(this, e->mimeData())) return e->ignore();
  e->acceptProposedAction();
  // The handler may open a message box; it runs once the drag has let go of the mouse.
  QTimer::singleShot(0, this, [this] { emit dropped(); });
}

PictureFrameBox::PictureFrameBox(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
}

void PictureFrameBox::setPicture(const QImage& image) {
  image_ = image;
  update();
}

void PictureFrameBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!image_.isNull()) painter.drawImage(QPoint(0, 0), image_);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void PictureFrameBox::dragEnterEvent(QDragEnterEvent* e) {
  if (isPreviewDrag(this, e->mimeData()))
    e->acceptProposedAction();
  else
    e->ignore();
}

void PictureFrameBox::dragMoveEvent(QDragMoveEvent* e) {
  if (isPreviewDrag(this, e->mimeData()))
    e->acceptProposedAction();
  else
    e->ignore();
}

void PictureFrameBox::dropEvent(QDropEvent* e) {
  if (!isPreviewDrag(this, e->mimeData())) return e->ignore();
  e->acceptProposedAction();
  QTimer::singleShot(0, this, [this] { emit dropped(); });
}

Chooser::Chooser(QGroupBox* frame) : QObject(frame), Frame2(frame) {
  Label8 = new QLabel(QStringLiteral("Vald bild:"), frame);
  placeAt(Label8, 240, 240);
  Label8->setFont(designFont(kSansSerif, 8.25, true));
  Label8->adjustSize();

  lblVBild = new QLabel(QStringLiteral("lblVBild"), frame);
  placeAt(lblVBild, 1320, 240);
  lblVBild->setFont(designFont(kSansSerif, 8.25, true));
  lblVBild->adjustSize();

  imgValdBild = new DropPictureBox(frame);
  place(imgValdBild, 240, 600, 6975, 5535);
  imgValdBild->setFrameShape(QFrame::Box);

  Drive2 = new DriveListBox(frame);
  place(Drive2, 7320, 240, 2535, 315);
  Dir2 = new DirListBox(frame);
  place(Dir2, 7320, 600, 2535, 1215);
  File2 = new PictureFileList(frame);
  place(File2, 7320, 1800, 2535, 3795);

  Label7 = new QLabel(QStringLiteral("Left 6120    Top 8295"), frame);
  place(Label7, 7320, 5880, 2535, 255);
  Label7->setAlignment(Qt::AlignCenter);
  Label7->setFont(designFont(kSansSerif, 8.25, true));

  lblVal[0] = new QLabel(QStringLiteral("lblVal"), frame);
  placeAt(lblVal[0], 7320, 5640);
  lblVal[0]->adjustSize();
  for (int i = 1; i <= 3; ++i) {
    Picture[i] = new PictureFrameBox(frame);
    place(Picture[i], kBoxLefts[i], 6240, 2055 + 2 * kBoxEdge, 1815 + 2 * kBoxEdge);
    imgVal[i] = new DropPictureBox(Picture[i]);
    place(imgVal[i], kBoxEdge, kBoxEdge, 2055, 1815);
    lblVal[i] = new QLabel(QStringLiteral("lblVal"), frame);
    place(lblVal[i], kBoxLefts[i], 8040, 2055, 255);
  }
  // Only the first box takes a drop on its edge.
  Picture[1]->setAcceptDrops(true);

  Label10 = new QLabel(QStringLiteral("Label10"), frame);
  placeAt(Label10, 240, 6000);
  Label10->adjustSize();
  Label11 = new QLabel(QStringLiteral("Label11"), frame);
  placeAt(Label11, 1320, 6000);
  Label11->adjustSize();

  Command16 = new QPushButton(QStringLiteral("INFOGA BILD"), frame);
  place(Command16, 7680, 6240, 1815, 375);
  styleButton(Command16, QColor(0xC0, 0xFF, 0xC0), designFont(kSansSerif, 8.25, true));
  Command17 = new QPushButton(QStringLiteral("INGEN BILD"), frame);
  place(Command17, 7680, 6720, 1815, 375);
  Command15 = new QPushButton(QStringLiteral("STÄNG BILDVAL"), frame);
  place(Command15, 7680, 7200, 1815, 375);

  frame->installEventFilter(this);
}

void Chooser::startIn(const QString& folder) {
  Drive2->showDriveOf(folder);
  Dir2->showPath(folder);
  File2->setPath(Dir2->path());
}

bool Chooser::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Frame2 && event->type() == QEvent::MouseButtonDblClick) {
    const auto* me = static_cast<QMouseEvent*>(event);
    // A double click that a control inside passed on is that control's, not the frame's.
    if (me->button() == Qt::LeftButton && !Frame2->childAt(me->position().toPoint()))
      emit frameDoubleClicked();
  }
  return QObject::eventFilter(watched, event);
}
