// A soak of the user interface: 20 000 random events on the real widgets, from a fixed seed,
// as a pupil could make them (only controls that are offered), over random generated tests.
// After every event the window must show the current question as stored, and no failure may
// have reached the event loop.
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <array>
#include <iostream>
#include <random>

#include "model/Cp1252.h"
#include "picture/FrmBild.h"
#include "reliability/ReliabilityFixture.h"
#include "reliability/ShownQuestion.h"

namespace {

constexpr int kEvents = 20'000;
constexpr unsigned kSeed = 20261218;
constexpr int kTests = 6;

enum Event {
  Next,
  Back,
  ScrollStep,
  Drag,
  Tick,
  Type,
  Check,
  Score,
  TimerTick,
  PicturePoint,
  PictureClose,
  SignIn,
  Load,
  kEventKinds
};
const char* const kEventNames[] = {
    "NÄSTA", "BACKA",      "scroll bar",    "drag",           "tick",    "typing", "RÄTTA ?",
    "score", "timer tick", "picture click", "picture closed", "sign-in", "load"};
// How often each event is tried; one that is not offered at the moment is drawn again.
constexpr std::array<int, kEventKinds> kWeights = {20, 12, 10, 4, 15, 8, 5, 3, 3, 5, 1, 1, 2};

class Soak : public ReliabilityFixture {
 protected:
  void SetUp() override {
    QString list;
    for (int i = 0; i < kTests; ++i) {
      list += QStringLiteral("s%1.tst\r\n").arg(i);
      serveRandomTest(i);
    }
    server.put(kListPath, list.toLatin1());
    for (int i = 0; i < kTests; ++i) {
      server.put(QStringLiteral("/distanstest/s%1/p.png").arg(i).toStdString(), smallPng());
      server.put(QStringLiteral("/distanstest/s%1/bild").arg(i).toStdString(), smallPng());
    }
    restart(server.address(), dir.path());
  }

  int roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
  bool chance(double p) { return std::bernoulli_distribution(p)(rng); }
  template <typename T>
  const T& any(const std::vector<T>& v) {
    return v[size_t(roll(int(v.size())))];
  }

  QString words() {
    static const std::vector<QString> w = {"himlen", "är",        "blå", "träd", "Åsa",
                                           "öga",    "ÄLG",       "1",   "2,5",  "x",
                                           "?",      "\"citat\"", "  ",  "r",    "f"};
    QString s;
    for (int i = roll(4) + 1; i > 0; --i) s += any(w) + QLatin1Char(' ');
    return s.trimmed();
  }

  // A field of the test file: mostly plain; now and then quoted around a line break.
  QString field(const QString& text) {
    if (chance(0.03)) return u'"' + text + QStringLiteral("\r\nrad två\"");
    return text;
  }

  void serveRandomTest(int i) {
    const bool noEnd = chance(0.05);
    const int n = noEnd ? 200 : roll(25) + 1;
    const int max = chance(0.7) ? n : roll(250);
    QString text = QStringLiteral("100%1\r\n").arg(max, 3, 10, QLatin1Char('0'));
    for (int q = 0; q < n; ++q) {
      static const std::vector<QString> headings = {
          "Fråga", "SVAR Skriv", "BILDSVAR Skriv", "KLIC Klicka", "r rubrik", "SLUTA inte", ""};
      QStringList cells;
      cells << field(any(headings) + QLatin1Char(' ') + QString::number(q + 1));
      cells << field(words());
      for (int r = 2; r <= 6; ++r) {
        static const std::vector<QString> kinds = {"r ", "f ", "f ", "", "x"};
        cells << (r == 6 && chance(0.2) ? QStringLiteral("reserv") : any(kinds) + words());
      }
      cells << (chance(0.8) ? QStringLiteral("X0100-1500.Y0100-1000") : words());
      static const std::vector<QString> pictures = {"bild", "bild",  "bild",
                                                    "bild", "p.png", "saknas.png"};
      cells << any(pictures) << QString();
      for (const QString& c : cells) text += c + QStringLiteral("\r\n");
    }
    if (!noEnd)
      for (const QString& c : endMarker()) text += c + QStringLiteral("\r\n");
    server.put(QStringLiteral("/distanstest/s%1/s%1.tst").arg(i).toStdString(), toCp1252(text));
  }

  // Runs one event of the kind if the window offers it; false when it does not.
  bool run(Event e) {
    Form1& f = form();
    switch (e) {
      case Next:
        return press(f.CmdNästa);
      case Back:
        return press(f.CmdBakåt);
      case ScrollStep: {
        if (!visible(f.VScroll1)) return false;
        static const QAbstractSlider::SliderAction actions[] = {
            QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
            QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
            QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum};
        f.VScroll1->triggerAction(actions[roll(6)]);
        return true;
      }
      case Drag: {
        if (!visible(f.VScroll1)) return false;
        QScrollBar& s = *f.VScroll1;
        s.setSliderDown(true);
        for (int i = roll(3) + 1; i > 0; --i)
          s.setSliderPosition(s.minimum() + roll(s.maximum() - s.minimum() + 1));
        s.setSliderDown(false);
        return true;
      }
      case Tick: {
        QCheckBox* box = f.ChkSvar[2 + roll(5)];
        if (!visible(box) || !box->isEnabled()) return false;
        box->click();
        return true;
      }
      case Type: {
        if (!visible(f.TxtSvar)) return false;
        if (chance(0.2)) {
          QTest::keyClick(f.TxtSvar, chance(0.5) ? Qt::Key_Return : Qt::Key_Backspace);
        } else {
          // Key by key, as typed; QTest::keyClicks takes ASCII only.
          for (QChar c : words())
            QTest::sendKeyEvent(QTest::Click, f.TxtSvar, Qt::Key(c.toUpper().unicode()), QString(c),
                                Qt::NoModifier);
        }
        return true;
      }
      case Check:
        return press(f.Label3);
      case Score:
        return press(f.Label2);
      case TimerTick:
        QMetaObject::invokeMethod(chance(0.5) ? &f.Timer1.qtimer : &f.Timer2.qtimer, "timeout");
        return true;
      case PicturePoint: {
        FrmBild* b = p->frmBildIfLoaded();
        if (!b || !visible(b) || !b->Image1->hasPicture()) return false;
        const QPoint at(roll(b->Image1->width()), roll(b->Image1->height()));
        QMouseEvent move(QEvent::MouseMove, at, b->Image1->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(b->Image1, &move);
        QTest::mouseClick(b->Image1, Qt::LeftButton, Qt::NoModifier, at);
        return true;
      }
      case PictureClose: {
        FrmBild* b = p->frmBildIfLoaded();
        if (!b || !visible(b)) return false;
        if (chance(0.5)) {
          press(b->Command1);  // "STÄNG"
        } else {
          b->close();  // the close box: the window goes, and comes back afresh on next use
          QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        return true;
      }
      case SignIn: {
        static const std::vector<QString> names = {"Anna", "Olle", "Åsa Öberg", "", "Elev 7"};
        static const std::vector<QString> classes = {"7A", "", "9C"};
        signInAgain(any(names), any(classes));
        return true;
      }
      case Load: {
        if (!visible(f.Command2)) return false;
        const int i = roll(kTests);
        serveRandomTest(i);
        load(QStringLiteral("s%1.tst").arg(i));
        return true;
      }
      case kEventKinds:
        break;
    }
    return false;
  }

  Event draw() {
    std::discrete_distribution<int> d(kWeights.begin(), kWeights.end());
    return Event(d(rng));
  }

  std::mt19937 rng{kSeed};
};

TEST_F(Soak, TwentyThousandRandomEventsKeepTheShownQuestionAndTheStoredAnswersInStep) {
  startUp();
  load(QStringLiteral("s0.tst"));
  ASSERT_EQ(shown::mismatch(*p), QString());

  std::array<int, kEventKinds> counts{};
  QElapsedTimer clock;
  clock.start();
  int checks = 0;
  for (int i = 0; i < kEvents; ++i) {
    Event e = draw();
    while (!run(e)) e = draw();
    ++counts[e];
    const QString wrong = shown::mismatch(*p);
    ++checks;
    ASSERT_EQ(wrong, QString()) << "after event " << i << " (" << kEventNames[e] << ")";
    ASSERT_EQ(unexpectedFailures(), QStringList())
        << "after event " << i << " (" << kEventNames[e] << ")";
    ASSERT_FALSE(p->ended());
    if (dialogs.messages.size() > 1000) dialogs.messages.clear();
  }

  std::cout << "soak: " << kEvents << " events, " << checks << " checks of the shown question, "
            << clock.elapsed() << " ms\n";
  for (int e = 0; e < kEventKinds; ++e)
    std::cout << "  " << kEventNames[e] << ": " << counts[e] << "\n";
}

}  // namespace
