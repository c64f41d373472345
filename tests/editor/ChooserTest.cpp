// The picture chooser on real widgets: opening and closing, drives, folders and files,
// choosing a file or a thumbnail, drops of the preview, and "INFOGA BILD".
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QStorageInfo>

#include "app/Chooser.h"
#include "app/Form1.h"
#include "app/Twips.h"
#include "editor/ChooserBrowse.h"
#include "editor/ChooserDrop.h"
#include "editor/ChooserFiles.h"
#include "support/ProgramFixture.h"
#include "support/SampleWmf.h"

namespace {

const QString kFileTypes =
    QStringLiteral("\r\nTry one of these file types:\r\n\r\n     .txt, .bmp, .exe, .hlp");

// A 1 x 1 GIF.
const QByteArray kGif =
    QByteArray::fromBase64("R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAAAICRAEAOw==");

class ChooserTest : public ProgramFixture {
 protected:
  Chooser& c() { return *form().bildval; }

  void writePicture(const QString& name, const QColor& colour, const char* format) {
    QImage image(12, 8, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(work(name), format)) << name.toStdString();
  }
  // The working folder's pictures; the file list read the folder before they were there.
  void writePictures() {
    writePicture("röd.bmp", Qt::red, "BMP");
    writePicture("STOR.BMP", Qt::blue, "BMP");
    writePicture("grön.jpg", Qt::green, "JPG");
    writePicture("foto.jpeg", Qt::yellow, "JPG");
    writeWork("ritning.wmf", sampleWmf());
    writeWork("anim.gif", kGif);
    writeWork("trasig.bmp", "BM inte en bild");
    writeWork("trasig.wmf", "inte en metafil");
    writeWork("text.txt", "ingen bild");
    c().File2->refresh();
  }
  // Selects a file of File2 as a click does ("" selects nothing).
  void choose(const QString& name) {
    if (name.isEmpty()) {
      c().File2->setCurrentRow(-1);
      return;
    }
    const auto found = c().File2->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    c().File2->setCurrentItem(found[0]);
  }
  static QColor middle(const QImage& image) {
    return image.pixelColor(image.width() / 2, image.height() / 2);
  }
  void sendDoubleClick(QWidget* w, QPoint at) {
    QMouseEvent e(QEvent::MouseButtonDblClick, QPointF(at), w->mapToGlobal(QPointF(at)),
                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
  }
  // Drags the preview onto a point of a widget, through the widget's own drag events.
  bool dropPreviewOn(QWidget* target, QPoint at, const char* mime = kPreviewMime) {
    QMimeData data;
    data.setData(QString::fromLatin1(mime), QByteArray());
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return drop.isAccepted();
  }
};

TEST_F(ChooserTest, StartsInTheWorkingFolderWithItsDesignTexts) {
  const QString folder = QDir(dir.path()).absolutePath();
  EXPECT_EQ(c().Dir2->path(), folder);
  EXPECT_EQ(c().File2->path(), folder);
  EXPECT_EQ(c().Drive2->drive(), QStorageInfo(folder).rootPath());
  EXPECT_EQ(c().Label7->text(), "Left 6120    Top 8295");
  EXPECT_EQ(c().lblVBild->text(), "lblVBild");
  for (int i = 0; i <= 3; ++i) EXPECT_EQ(c().lblVal[i]->text(), "lblVal");
  EXPECT_EQ(c().File2->fileName(), "");
}

// Open: the frame at 4450, 0, 9975 wide, the window 14550 wide at 500. Close ("STÄNG
// BILDVAL", or a double click on the frame itself): the frame at 15000, the window 12300
// wide at 1350. A double click on a control inside the frame is not the frame's.
TEST_F(ChooserTest, OpensAndClosesWithTheFrameAndWindowMoves) {
  Form1& f = form();
  f.Command14->show();
  const int height = f.Frame2->height();
  f.Command14->click();
  EXPECT_EQ(f.Frame2->geometry(), QRect(tw(4450), 0, tw(9975), height));
  EXPECT_EQ(f.frameGeometry().width(), tw(14550));
  EXPECT_EQ(f.frameGeometry().left(), tw(500));

  c().Command15->click();
  EXPECT_EQ(f.Frame2->pos(), QPoint(tw(15000), 0));
  EXPECT_EQ(f.frameGeometry().width(), tw(12300));
  EXPECT_EQ(f.frameGeometry().left(), tw(1350));

  f.Command14->click();
  sendDoubleClick(c().Label8, QPoint(2, 2));
  EXPECT_EQ(f.Frame2->pos(), QPoint(tw(4450), 0)) << "a double click on a label";
  const QPoint empty(f.Frame2->width() - 4, f.Frame2->height() - 4);
  ASSERT_EQ(f.Frame2->childAt(empty), nullptr);
  sendDoubleClick(f.Frame2, empty);
  EXPECT_EQ(f.Frame2->pos(), QPoint(tw(15000), 0));
  EXPECT_EQ(f.frameGeometry().width(), tw(12300));
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

// The folder list shows the path's folders from the root down, then the subfolders; a
// double click on one makes it the folder, which the file list and Label7 then show.
TEST_F(ChooserTest, FolderListShowsTheWayDownAndTheSubfolders) {
  QDir work(dir.path());
  for (const char* sub : {"bilder/b", "bilder/Öar", "bilder/a", "bilder/.dold"})
    ASSERT_TRUE(work.mkpath(sub));
  writePicture("bilder/blå.bmp", Qt::blue, "BMP");
  const QString bilder = work.absoluteFilePath("bilder");

  c().Dir2->setPath(bilder);
  EXPECT_EQ(c().Label7->text(), bilder);
  EXPECT_EQ(c().File2->path(), bilder);
  EXPECT_EQ(c().File2->count(), 1);
  QStringList paths;
  for (int i = 0; i < c().Dir2->count(); ++i) paths << c().Dir2->entryPath(i);
  EXPECT_EQ(paths.first(), "/");
  EXPECT_EQ(paths.mid(paths.indexOf(bilder)),
            (QStringList{bilder, bilder + "/a", bilder + "/b", bilder + "/Öar"}));
  EXPECT_EQ(c().Dir2->currentRow(), paths.indexOf(bilder));

  QListWidgetItem* a = c().Dir2->item(int(paths.indexOf(bilder + "/a")));
  emit c().Dir2->itemActivated(a);
  EXPECT_EQ(c().Dir2->path(), bilder + "/a");
  EXPECT_EQ(c().Label7->text(), bilder + "/a");
  EXPECT_EQ(c().File2->count(), 0);
}

// A root folder is "/" and a file in it "/name": one "/" between folder and name.
TEST_F(ChooserTest, RootFolderJoinsWithOneSlash) {
  c().Dir2->setPath("/");
  EXPECT_EQ(c().Dir2->path(), "/");
  EXPECT_EQ(c().Label7->text(), "/");
  EXPECT_EQ(c().File2->path(), "/");
  EXPECT_EQ(c().Dir2->count() > 0 ? c().Dir2->entryPath(0) : QString(), "/");
  EXPECT_EQ(joinFolder(c().File2->path(), "bild.bmp"), "/bild.bmp");
  EXPECT_EQ(joinFolder("/hem/bilder", "bild.bmp"), "/hem/bilder/bild.bmp");
  EXPECT_EQ(joinFolder("/hem/bilder/", "bild.bmp"), "/hem/bilder/bild.bmp");
}

// A new drive takes the folder list to that volume's folder.
TEST_F(ChooserTest, DriveChoiceMovesTheFolderList) {
  EXPECT_TRUE(c().Drive2->findText("/") >= 0);
  const QString bilder = QDir(dir.path()).absoluteFilePath("bilder");
  ASSERT_TRUE(QDir(dir.path()).mkdir("bilder"));
  {
    // A volume mounted on a folder of the working folder.
    const QSignalBlocker quiet(c().Drive2);
    c().Drive2->addItem(bilder);
  }
  c().Drive2->setCurrentIndex(c().Drive2->findText(bilder));
  EXPECT_EQ(c().Dir2->path(), bilder);
  EXPECT_EQ(c().File2->path(), bilder);
  EXPECT_EQ(c().Label7->text(), bilder);
  c().Drive2->setCurrentIndex(c().Drive2->findText("/"));
  EXPECT_EQ(c().Dir2->path(), "/");
  EXPECT_EQ(c().Label7->text(), "/");
}

// A click in the file list chooses that file: its name (sized to fit) and its picture; a
// click on the file already chosen chooses it again. A file that holds no picture we can
// show is reported, and the preview stays empty.
TEST_F(ChooserTest, ClickInFileListChoosesTheFile) {
  writePictures();
  EXPECT_EQ(c().File2->count(), 8) << "the text file is not listed";
  choose("röd.bmp");
  EXPECT_EQ(c().lblVBild->text(), "röd.bmp");
  EXPECT_GE(c().lblVBild->width(), c().lblVBild->fontMetrics().horizontalAdvance("röd.bmp"));
  EXPECT_EQ(middle(c().imgValdBild->picture()), QColor(Qt::red));

  imgVal_Click(*p, 3);  // an empty thumbnail empties the preview
  EXPECT_FALSE(c().imgValdBild->hasPicture());
  EXPECT_EQ(c().lblVBild->text(), "lblVal");
  const QRect row = c().File2->visualItemRect(c().File2->currentItem());
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(row.center()),
                    c().File2->viewport()->mapToGlobal(QPointF(row.center())), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(c().File2->viewport(), &press);
  EXPECT_EQ(c().lblVBild->text(), "röd.bmp");
  EXPECT_TRUE(c().imgValdBild->hasPicture());

  choose("ritning.wmf");
  EXPECT_EQ(c().imgValdBild->picture().size(), QSize(200, 150));
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();

  choose("trasig.bmp");
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(dialogs.messages[0].contains("\"trasig.bmp\"")) << dialogs.messages[0].toStdString();
  EXPECT_FALSE(c().imgValdBild->hasPicture());
  EXPECT_EQ(c().lblVBild->text(), "trasig.bmp");
}

enum class Told { Nothing, FileTypes, Unreadable };

struct DropCase {
  const char* name;
  const char* selected;  // "" = nothing selected in File2
  bool thumbnailShows;   // the dropped-on thumbnail shows a picture
  Told thumbnailTold;
  bool boxShows;  // a drop on the box Picture1 gives the box a picture
  Told boxTold;
};

class ChooserDrop : public ChooserTest, public ::testing::WithParamInterface<DropCase> {
 protected:
  void SetUp() override {
    writePictures();
    const QImage old(4, 4, QImage::Format_RGB32);
    for (int i = 1; i <= 3; ++i) {
      c().imgVal[i]->setPicture(old);
      c().lblVal[i]->setText("gammal");
    }
    c().Picture[1]->setPicture(old);
    choose(GetParam().selected);
    dialogs.messages.clear();  // what the choice itself said is not the drop's
  }
  void expectTold(Told told, const char* where) {
    switch (told) {
      case Told::Nothing:
        EXPECT_TRUE(dialogs.messages.isEmpty()) << where;
        break;
      case Told::FileTypes:
        EXPECT_EQ(dialogs.messages, QStringList{kFileTypes}) << where;
        break;
      case Told::Unreadable:
        ASSERT_EQ(dialogs.messages.size(), 1) << where;
        EXPECT_TRUE(dialogs.messages[0].contains(GetParam().selected)) << where;
        break;
    }
  }
};

// The drop takes the file selected in File2: bitmaps, metafiles and ".jpg" files show in a
// thumbnail, the rest get the file-types message; the label takes the chosen name either way.
TEST_P(ChooserDrop, OnThumbnailByTheSelectedFilesExtension) {
  const DropCase& d = GetParam();
  const QString chosen = c().lblVBild->text();
  imgVal_DragDrop(*p, 2);
  EXPECT_EQ(c().imgVal[2]->hasPicture(), d.thumbnailShows);
  expectTold(d.thumbnailTold, "thumbnail");
  EXPECT_EQ(c().lblVal[2]->text(), chosen);
  EXPECT_TRUE(c().imgVal[1]->hasPicture());
  EXPECT_TRUE(c().imgVal[3]->hasPicture());
  EXPECT_EQ(c().lblVal[3]->text(), "gammal");
}

// On the edge of the first box, only bitmaps become the box's own picture; the labels and
// the thumbnail inside stay.
TEST_P(ChooserDrop, OnTheFirstBoxOnlyBitmaps) {
  const DropCase& d = GetParam();
  Picture1_DragDrop(*p);
  EXPECT_EQ(!c().Picture[1]->picture().isNull(), d.boxShows);
  expectTold(d.boxTold, "box");
  EXPECT_EQ(c().lblVal[1]->text(), "gammal");
  EXPECT_EQ(c().imgVal[1]->picture().size(), QSize(4, 4));
}

const DropCase kDropCases[] = {
    {"Bmp", "röd.bmp", true, Told::Nothing, true, Told::Nothing},
    {"UpperCaseBmp", "STOR.BMP", true, Told::Nothing, true, Told::Nothing},
    {"Jpg", "grön.jpg", true, Told::Nothing, false, Told::FileTypes},
    {"Wmf", "ritning.wmf", true, Told::Nothing, false, Told::FileTypes},
    {"Gif", "anim.gif", false, Told::FileTypes, false, Told::FileTypes},
    {"Jpeg", "foto.jpeg", false, Told::FileTypes, false, Told::FileTypes},
    {"NothingSelected", "", false, Told::FileTypes, false, Told::FileTypes},
    {"DamagedBmp", "trasig.bmp", false, Told::Unreadable, false, Told::Unreadable},
    {"DamagedWmf", "trasig.wmf", false, Told::Unreadable, false, Told::FileTypes},
};

INSTANTIATE_TEST_SUITE_P(Drops, ChooserDrop, ::testing::ValuesIn(kDropCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The GIF case as the editor meets it: message, empty thumbnail, label set to the chosen name.
TEST_F(ChooserTest, GifDroppedOnThumbnail) {
  writePictures();
  c().imgVal[1]->setPicture(QImage(4, 4, QImage::Format_RGB32));
  choose("anim.gif");
  ASSERT_TRUE(c().imgValdBild->hasPicture()) << "the preview shows any picture";
  imgVal_DragDrop(*p, 1);
  EXPECT_EQ(dialogs.messages, QStringList{kFileTypes});
  EXPECT_FALSE(c().imgVal[1]->hasPicture());
  EXPECT_EQ(c().lblVal[1]->text(), "anim.gif");
}

// The preview dropped on itself (or merely clicked) keeps its picture and the chosen name.
TEST_F(ChooserTest, PreviewDroppedOnItselfKeepsItsPictureAndName) {
  writePictures();
  choose("röd.bmp");
  const QImage before = c().imgValdBild->picture();
  imgValdBild_DragDrop(*p);
  EXPECT_EQ(c().imgValdBild->picture(), before);
  EXPECT_EQ(c().lblVBild->text(), "röd.bmp");
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

// Real drop events reach the handlers; only the chooser's own drag is taken.
TEST_F(ChooserTest, DropEventsReachTheirTargets) {
  writePictures();
  choose("röd.bmp");
  EXPECT_FALSE(dropPreviewOn(c().imgVal[3], QPoint(10, 10), "text/plain"));
  EXPECT_FALSE(c().imgVal[3]->hasPicture());

  EXPECT_TRUE(dropPreviewOn(c().imgVal[3], QPoint(10, 10)));
  EXPECT_EQ(middle(c().imgVal[3]->picture()), QColor(Qt::red));
  EXPECT_EQ(c().lblVal[3]->text(), "röd.bmp");

  EXPECT_TRUE(dropPreviewOn(c().Picture[1], QPoint(0, 0)));
  EXPECT_FALSE(c().Picture[1]->picture().isNull());
  EXPECT_EQ(c().lblVal[1]->text(), "lblVal");
  EXPECT_FALSE(dropPreviewOn(c().Picture[2], QPoint(0, 0))) << "only the first box takes drops";

  EXPECT_TRUE(dropPreviewOn(c().imgValdBild, QPoint(10, 10)));
  EXPECT_EQ(c().lblVBild->text(), "röd.bmp");
  EXPECT_TRUE(c().imgValdBild->hasPicture());
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
}

// A click on a thumbnail makes its picture and its name the chosen ones.
TEST_F(ChooserTest, ThumbnailClickChoosesItsPicture) {
  writePictures();
  choose("röd.bmp");
  imgVal_DragDrop(*p, 1);
  choose("grön.jpg");
  emit c().imgVal[1]->clicked();
  EXPECT_EQ(c().lblVBild->text(), "röd.bmp");
  EXPECT_EQ(middle(c().imgValdBild->picture()), QColor(Qt::red));
}

// "INFOGA BILD" stores whatever the chosen name holds in the current question's cell 8:
// the design text before any choice, then the bare file name.
TEST_F(ChooserTest, InsertStoresTheChosenNameInCell8) {
  writePictures();
  p->aktuellfråga = 5;
  p->table.cell(8, 5) = "bild";
  c().Command16->click();
  EXPECT_EQ(p->table.cell(8, 5), "lblVBild");
  EXPECT_EQ(dialogs.messages, QStringList{"Bilden sparad!"});

  choose("röd.bmp");
  c().Command16->click();
  EXPECT_EQ(p->table.cell(8, 5), "röd.bmp");
  EXPECT_EQ(p->table.cell(8, 4), "");
  EXPECT_EQ(p->table.cell(8, 6), "");
}

TEST_F(ChooserTest, IngenBildDoesNothing) {
  writePictures();
  choose("röd.bmp");
  p->table.cell(8, 0) = "bild";
  c().Command17->click();
  EXPECT_EQ(p->table.cell(8, 0), "bild");
  EXPECT_EQ(c().lblVBild->text(), "röd.bmp");
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

// Thumbnails, their names, the preview and the chosen name outlive a close, a reopen and a
// move to another question.
TEST_F(ChooserTest, ThumbnailsAreKeptAcrossCloseAndReopen) {
  writePictures();
  form().Command14->click();
  choose("röd.bmp");
  imgVal_DragDrop(*p, 1);
  choose("grön.jpg");
  imgVal_DragDrop(*p, 2);
  c().Command15->click();
  p->aktuellfråga = 7;
  form().Command14->click();

  EXPECT_EQ(middle(c().imgVal[1]->picture()), QColor(Qt::red));
  EXPECT_TRUE(c().imgVal[2]->hasPicture());
  EXPECT_FALSE(c().imgVal[3]->hasPicture());
  EXPECT_EQ(c().lblVal[1]->text(), "röd.bmp");
  EXPECT_EQ(c().lblVal[2]->text(), "grön.jpg");
  EXPECT_EQ(c().lblVal[3]->text(), "lblVal");
  EXPECT_EQ(c().lblVBild->text(), "grön.jpg");
  EXPECT_TRUE(c().imgValdBild->hasPicture());
  c().Command16->click();
  EXPECT_EQ(p->table.cell(8, 7), "grön.jpg");
}

}  // namespace
