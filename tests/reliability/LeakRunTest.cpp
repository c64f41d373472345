// One whole run of a pupil, from the start-up to "AVSLUTA": the run the leak check watches
// (valgrind memcheck or LeakSanitizer over this test alone; see .ci/run).
#include <QCheckBox>
#include <QPushButton>

#include "picture/FrmBild.h"
#include "reliability/ReliabilityFixture.h"
#include "reliability/ShownQuestion.h"

namespace {

class LeakRun : public ReliabilityFixture {
 protected:
  void SetUp() override {
    serveTests(server);
    restart(server.address(), dir.path());
  }
};

TEST_F(LeakRun, LoadAnswerAndFinish) {
  startUp();
  load(QStringLiteral("t0.tst"));
  form().ChkSvar[2]->click();
  goTo(1);
  EXPECT_TRUE(p->frmBild().Image1->hasPicture());
  form().ChkSvar[3]->click();
  goTo(2);
  press(p->frmBild().Image1);
  press(form().Label3);
  ASSERT_TRUE(press(form().Command3));
  EXPECT_TRUE(p->ended());
  EXPECT_EQ(unexpectedFailures(), QStringList());
  // The two result files beside the download file and the two pictures.
  EXPECT_EQ(workEntries().size(), 5) << workEntries().join(" | ").toStdString();
}

}  // namespace
