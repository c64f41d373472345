#include "app/Form1.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

#include "app/Chooser.h"
#include "app/Looks.h"
#include "app/Twips.h"

namespace {
const QString kCaption = QStringLiteral(
    "Lumivo   ver 8.0           För Distanstester och Självstudier av LABBAR"
    "                                            2008-03-18");

constexpr std::array<int, 7> kRowTops = {0, 0, 3960, 4560, 5160, 5770, 6390};
constexpr std::array<int, 7> kCheckTops = {0, 0, 3960, 4560, 5160, 5760, 6360};
constexpr std::array<int, 7> kFrameTops = {0, 0, 3970, 4560, 5160, 5760, 6360};
}  // namespace

bool visible(const QWidget* w) {
  return !w->isHidden();
}

Form1::Form1() {
  setWindowTitle(kCaption);
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setWindowIcon(QIcon(QStringLiteral(":/lumivo.png")));

  auto* arkiv = menuBar()->addMenu(QStringLiteral("&Arkiv"));
  MnuAvsluta = arkiv->addAction(QStringLiteral("&Avsluta"));

  client = new QWidget(this);
  setCentralWidget(client);
  paintBackground(client, QColor(0x00, 0x00, 0x40));
  // The client area is 14925 × 8280 twips as designed, so that the lowest buttons fit below the
  // menu bar; the start-up narrows it.
  resize(tw(14925), tw(8280) + menuBar()->sizeHint().height());

  // Shapes and labels lie beneath the boxes and buttons, so they are made first.
  for (int r = 2; r <= 6; ++r) {
    Shape1[r] = new Shape(client);
    place(Shape1[r], 480, kFrameTops[r], 8655, 615);
    Shape1[r]->setBorderWidth(2);
    Shape1[r]->setBorderColor(r == 6 ? QColor(0xFF, 0, 0) : QColor(0, 0xFF, 0));
    Shape1[r]->hide();
  }
  Shape2 = new Shape(client);
  place(Shape2, 360, 3840, 9135, 3255);
  Shape2->setFill(QColor(0x40, 0x40, 0x40));
  Shape2->setBorderWidth(0);
  Shape2->hide();

  Label1 = new ClickLabel(QStringLiteral("Label1"), client);
  place(Label1, 840, 120, 7815, 480);
  styleLabel(Label1, QColor(0, 0xFF, 0), designFont(kSansSerif, 18, true), Qt::AlignCenter);

  Label2 = new ClickLabel(QStringLiteral("Klicka för Poäng = ?"), client);
  placeAt(Label2, 720, 480);
  styleLabel(Label2, QColor(0xC0, 0xFF, 0xC0), designFont(kSansSerif, 12, false), Qt::AlignLeft);
  Label2->setToolTip(QStringLiteral("Klicka så får du se din poäng"));
  sizeToText(Label2);

  Label6 = new ClickLabel(QStringLiteral("KLICKA HÄR FÖR ATT SPARA FRÅGA"), client);
  place(Label6, 960, 480, 7215, 495);
  styleLabel(Label6, QColor(0xFF, 0, 0), designFont(kArial, 14.25, true), Qt::AlignCenter,
             QColor(0xFF, 0xFF, 0));
  Label6->hide();

  Command14 = new QPushButton(QStringLiteral("Bild"), client);
  place(Command14, 2040, 120, 1335, 255);
  Command14->hide();

  Label4 = new QLabel(QStringLiteral("Prov fil"), client);
  place(Label4, 600, 960, 10935, 495);
  styleLabel(Label4, QColor(0, 0x80, 0x80), designFont(kSansSerif, 18, true), Qt::AlignCenter);

  Label5 = new QLabel(QStringLiteral("Label5"), client);
  place(Label5, -60, 1560, 615, 375);
  styleLabel(Label5, QColor(0, 0xFF, 0), designFont(kSansSerif, 18, true), Qt::AlignCenter);

  TxtFråga[0] = new TextBox(client, false);
  place(TxtFråga[0], 600, 1560, 8175, 405);
  styleText(TxtFråga[0], QColor(0, 0, 0x80), QColor(0xFF, 0xFF, 0x80),
            designFont(kSansSerif, 13.5, false), false);

  TxtFråga[1] = new TextBox(client, true);
  place(TxtFråga[1], 600, 2040, 8175, 1725);
  styleText(TxtFråga[1], QColor(0, 0, 0x80), QColor(0, 0xFF, 0xFF),
            designFont(kSansSerif, 12, true), true);

  for (int r = 2; r <= 6; ++r) {
    TxtFråga[r] = new TextBox(client, true);
    place(TxtFråga[r], 960, kRowTops[r], 7815, 645);
    styleText(TxtFråga[r], QColor(0, 0, 0x40), QColor(0, 0xFF, 0xFF),
              designFont(kSansSerif, 12, false), false);
  }
  TxtFråga[7] = new TextBox(client, false);
  place(TxtFråga[7], 0, 7080, 2895, 300);
  styleText(TxtFråga[7], QColor(0, 0, 0x40), QColor(0, 0xFF, 0xFF),
            designFont(kSansSerif, 12, false), false);
  TxtFråga[7]->hide();
  for (int c = 0; c <= 7; ++c) TxtFråga[c]->setText(QStringLiteral("TxtFråga"));
  TxtFråga[1]->setText(QStringLiteral("TxtFråga\r\n"));

  for (int r = 2; r <= 6; ++r) {
    ChkSvar[r] = new QCheckBox(QStringLiteral("Check1"), client);
    place(ChkSvar[r], 600, kCheckTops[r], 255, 315);
    paintBackground(ChkSvar[r], QColor(0, 0, 0));
  }

  TxtSvar = new TextBox(client, true);
  place(TxtSvar, -7800, 2160, 8295, 2895);
  TxtSvar->setFont(designFont(kSansSerif, 12, false));
  TxtSvar->setText(QStringLiteral("Text5"));
  TxtSvar->hide();

  VScroll1 = new QScrollBar(Qt::Vertical, client);
  place(VScroll1, 75, 1920, 375, 5055);
  VScroll1->setRange(0, 200);
  VScroll1->setSingleStep(1);
  VScroll1->setPageStep(5);
  // The value changes when a drag ends; the drag itself reports each move.
  VScroll1->setTracking(false);
  VScroll1->hide();

  LblRätt = new QLabel(QStringLiteral("RÄTT"), client);
  place(LblRätt, 7800, 7080, 1305, 555);
  styleLabel(LblRätt, QColor(0, 0xC0, 0), designFont(kArial, 24, true), Qt::AlignCenter,
             QColor(0xFF, 0xFF, 0xC0));
  LblRätt->setWordWrap(true);
  LblRätt->hide();

  CmdBakåt = new QPushButton(QStringLiteral("BACKA"), client);
  place(CmdBakåt, 2880, 7320, 1935, 735);
  CmdBakåt->setFont(designFont(kSansSerif, 18, true));

  CmdNästa = new QPushButton(QStringLiteral("NÄSTA"), client);
  place(CmdNästa, 5400, 7320, 1935, 735);
  CmdNästa->setFont(designFont(kSansSerif, 18, true));

  Label3 = new ClickLabel(QStringLiteral("RÄTTA ?"), client);
  place(Label3, 7935, 7320, 1050, 660);
  styleLabel(Label3, QColor(0, 0xFF, 0), designFont(kArial, 14.25, true), Qt::AlignCenter);

  Command3 = new QPushButton(QStringLiteral("AVSLUTA"), client);
  place(Command3, 10200, 7440, 1575, 495);
  styleButton(Command3, QColor(0xFF, 0xC0, 0xC0), designFont(kSansSerif, 12, true));

  Command2 = new QPushButton(QStringLiteral("Ladda Test"), client);
  place(Command2, 9960, 2880, 2055, 375);
  styleButton(Command2, QColor(0xC0, 0xFF, 0xC0), designFont(kSansSerif, 8.25, true));

  List1 = new SortedList(client);
  place(List1, 9960, 3240, 2055, 2790);

  Text5 = new TextBox(client, false);
  place(Text5, 9960, 2640, 2055, 285);
  Text5->setText(QStringLiteral("Ingen test vald !"));
  Text5->hide();

  File1 = new FileListBox(client, QStringLiteral("*.tst"));
  place(File1, 10320, 3240, 2055, 2820);
  File1->hide();

  List4 = new QListWidget(client);
  place(List4, 8880, 2880, 975, 3375);

  Frame2 = new QGroupBox(QStringLiteral("Bildval"), client);
  place(Frame2, 12360, 0, 9975, 8295);
  // An open chooser covers the controls beneath it, in the system's own colours rather than the
  // window's dark blue.
  paintBackground(Frame2, QGuiApplication::palette().color(QPalette::Window));
  bildval = new Chooser(Frame2);

  // The start picture lies over everything once it is moved to the window's corner.
  Frame1 = new QFrame(client);
  Frame1->setFrameShape(QFrame::NoFrame);
  Frame1->setAutoFillBackground(true);
  place(Frame1, 7440, 7920, 12135, 8295);
  Image2 = new PictureBox(Frame1, true);
  place(Image2, 5160, -120, 11295, 8055);
  Image2->setPicture(QImage(QStringLiteral(":/startbild.png")));
  Frame1->raise();
}

Form1::~Form1() = default;

void Form1::closeEvent(QCloseEvent* e) {
  if (onClose) onClose();
  e->accept();
}
