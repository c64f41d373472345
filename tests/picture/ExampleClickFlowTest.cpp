// The sample tests' picture-click questions, fetched from the sample server tree with their
// pictures, answered by real mouse events on the picture.
#include <QApplication>
#include <QMouseEvent>

#include "TestPaths.h"
#include "picture/PictureFlowFixture.h"
#include "source/WebSource.h"

namespace {

struct ExampleCase {
  const char* test;
  int question;
  QPoint pixel;  // where the pupil clicks in the picture
  bool hit;
};

class ExampleClickFlowTest : public PictureFlowFixture,
                             public ::testing::WithParamInterface<ExampleCase> {};

TEST_P(ExampleClickFlowTest, TheSampleQuestionJudgesAClickOnItsPicture) {
  const ExampleCase& c = GetParam();
  server.serveFolder(QStringLiteral(LUMIVO_EXAMPLES "/server"));
  form().Text5->setText(QString::fromLatin1(c.test));
  LaddaTestFilWebb(*p);
  show(c.question);
  ASSERT_EQ(p->Klick, 1);
  PictureBox* image = bild().Image1;
  ASSERT_TRUE(image->hasPicture());
  dialogs.messages.clear();

  for (QEvent::Type type :
       {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    const bool press = type == QEvent::MouseButtonPress;
    QMouseEvent e(type, QPointF(c.pixel), QPointF(image->mapToGlobal(c.pixel)),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  press ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(image, &e);
  }
  EXPECT_EQ(dialogs.messages,
            QStringList{c.hit ? QStringLiteral("BRA Du hittade RÄTT") : QStringLiteral("SORRY!")});
  EXPECT_EQ(p->marks.at(c.question, 2), 1);
  EXPECT_EQ(p->marks.at(c.question, 3), c.hit ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, ExampleClickFlowTest,
    ::testing::Values(ExampleCase{"fysik1.tst", 3, {140, 150}, true},    // the north pole
                      ExampleCase{"fysik1.tst", 3, {260, 150}, false},   // the south pole
                      ExampleCase{"geografi.tst", 2, {330, 170}, true},  // Gotland
                      ExampleCase{"geografi.tst", 2, {215, 220}, false}  // Öland
                      ),
    [](const auto& info) {
      return std::string(info.param.test).substr(0, std::string(info.param.test).size() - 4) +
             (info.param.hit ? "Hit" : "Miss");
    });

}  // namespace
