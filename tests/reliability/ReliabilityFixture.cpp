#include "reliability/ReliabilityFixture.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QTest>

#include "app/FormLoad.h"
#include "app/Wiring.h"
#include "model/Cp1252.h"

const QString ReliabilityFixture::kPicture = QStringLiteral("p.png");
const std::string ReliabilityFixture::kPicturePath = "/distanstest/t0/p.png";
const std::string ReliabilityFixture::kListPath = "/distanstest/tester.txt";
const std::string ReliabilityFixture::kTestPath = "/distanstest/t1/t1.tst";

namespace {
QByteArray testBytes(const QList<QStringList>& questions) {
  QString text = QStringLiteral("100") + QString::number(questions.size()).rightJustified(3, '0');
  text += QStringLiteral("\r\n");
  for (const QStringList& q : questions)
    for (const QString& c : q) text += c + QStringLiteral("\r\n");
  for (const QString& c : endMarker()) text += c + QStringLiteral("\r\n");
  return toCp1252(text);
}
}  // namespace

void ReliabilityFixture::restart(const QString& serverAddress, const QString& work) {
  p.reset();
  workDir = work;
  p = std::make_unique<Program>(Services{http, dialogs, clock, work, serverAddress});
  wire(*p);
}

void ReliabilityFixture::serveTests(LoopbackServer& s) {
  s.put(kListPath, "t0.tst\r\nt1.tst\r\n");
  s.put("/distanstest/t0/t0.tst",
        testBytes(
            {question("Fråga ett", "Vilken färg har himlen?", {"r Blå", "f Grön"}),
             question("Fråga två", "Vad visar bilden?", {"f Hus", "r Träd"}, "", kPicture),
             question("KLIC Tre", "Klicka på trädet", {"f a", "f b"}, "X0100-2000.Y0100-2000")}));
  s.put(kPicturePath, smallPng());
  s.put("/distanstest/t0/bild", smallPng());
  s.put(kTestPath, testBytes({question("Andra testet", "Ett", {"r Ja", "f Nej"}),
                              question("Andra testet", "Två", {"f Ja", "r Nej"})}));
}

void ReliabilityFixture::startUp(const QString& name, const QString& klass) {
  dialogs.answer(name);
  dialogs.answer(klass);
  Form_Load(*p);
}

void ReliabilityFixture::load(const QString& name) {
  const auto items = form().List1->findItems(name, Qt::MatchExactly);
  ASSERT_EQ(items.size(), 1) << name.toStdString() << " is not listed";
  form().List1->setCurrentItem(items.front());
  ASSERT_TRUE(press(form().Command2));
}

bool ReliabilityFixture::press(QWidget* button) {
  if (!visible(button) || !button->isEnabled()) return false;
  QTest::mouseClick(button, Qt::LeftButton);
  return true;
}

void ReliabilityFixture::goTo(int q) {
  for (int step = 0; p->aktuellfråga < q && step < 201; ++step)
    ASSERT_TRUE(press(form().CmdNästa)) << "NÄSTA is not offered on question " << p->aktuellfråga;
  ASSERT_EQ(p->aktuellfråga, q);
}

void ReliabilityFixture::signInAgain(const QString& name, const QString& klass) {
  dialogs.answer(name);
  if (name != QStringLiteral("q")) dialogs.answer(klass);
  QTest::mouseDClick(form().Label1, Qt::LeftButton);
}

QStringList ReliabilityFixture::messagesWith(const QString& text) const {
  QStringList found;
  for (const QString& m : dialogs.messages)
    if (m.contains(text)) found << m;
  return found;
}

QStringList ReliabilityFixture::workEntries() const {
  return QDir(workDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                 QDir::Name);
}

QByteArray ReliabilityFixture::smallPng() {
  QImage image(40, 30, QImage::Format_RGB32);
  image.fill(QColor(0, 128, 0));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}
