// The start-up: sign-in, a first load with nothing picked, the server's test list, the window's
// place; and closing the window through its frame.
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "app/FormLoad.h"
#include "app/SignIn.h"
#include "app/Twips.h"
#include "app/Wiring.h"
#include "model/QtPrinters.h"
#include "support/ProgramFixture.h"

namespace {

class StartUp : public ProgramFixture {
 protected:
  void serveraLista() {
    server.put("/distanstest/tester.txt", "prov1.tst,geografi.tst\r\nfysik1.tst\r\n");
  }
  QStringList filer() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }
};

TEST_F(StartUp, BringsUpQuestion0TheTitleLineAndTheServersList) {
  serveraLista();
  dialogs.answer(QStringLiteral("Anna"));
  dialogs.answer(QStringLiteral("7B"));
  const int höjd = form().height();

  Form_Load(*p);

  EXPECT_EQ(form().Label1->text(), "Anna 7B");
  EXPECT_EQ(form().List1->entries(), (QStringList{"fysik1.tst", "geografi.tst", "prov1.tst"}));
  EXPECT_EQ(p->INFIL, "nyfil.txt");
  EXPECT_EQ(p->aktuellfråga, 0);
  EXPECT_EQ(form().Label5->text(), "1");
  EXPECT_EQ(form().Label4->text(), "Du gör nu prov  nyfil.   0 frågor  Maxpoäng = 0");
  EXPECT_FALSE(visible(form().CmdBakåt));
  EXPECT_TRUE(visible(form().CmdNästa));
  EXPECT_FALSE(visible(form().VScroll1));
  EXPECT_FALSE(visible(form().Label6));
  EXPECT_FALSE(visible(form().TxtSvar));
  EXPECT_EQ(form().TxtSvar->pos(), QPoint(tw(600), tw(3960)));
  EXPECT_EQ(form().Frame2->pos(), QPoint(tw(15000), 0));
  // The start picture is over the window; the first load left it one second.
  EXPECT_TRUE(visible(form().Frame1));
  EXPECT_EQ(form().Frame1->pos(), QPoint(0, 0));
  EXPECT_EQ(form().Timer2.interval(), 1000);
  EXPECT_EQ(form().width(), tw(12300));
  EXPECT_EQ(form().height(), höjd);
  EXPECT_EQ(form().pos(), QPoint(tw(1350), tw(1300)));
  EXPECT_EQ(readWork("temp.txt"), QByteArray("7\r\n"));
  EXPECT_EQ(server.requests(), std::vector<std::string>{"/distanstest/tester.txt"});
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
  // main() shows the window once the start-up is done.
  EXPECT_FALSE(form().isVisible());
}

TEST_F(StartUp, ATeacherStartsInEditModeWithNastaShownAgainByTheLoad) {
  for (const QString& kod : {kLärarkod, kRedigeringskod}) {
    auto program =
        std::make_unique<Program>(Services{http, dialogs, clock, dir.path(), server.address()});
    wire(*program);
    serveraLista();
    dialogs.answer(kod);
    if (kod == kLärarkod) dialogs.answer(QStringLiteral("7B"));
    Form_Load(*program);
    Form1& f = program->form();
    EXPECT_TRUE(f.Label1->text().startsWith("LÄRARE")) << kod.toStdString();
    EXPECT_TRUE(visible(f.Label6));
    EXPECT_TRUE(visible(f.Command14));
    EXPECT_FALSE(visible(f.CmdBakåt));
    EXPECT_FALSE(visible(f.VScroll1));
    EXPECT_TRUE(visible(f.CmdNästa));
    EXPECT_EQ(program->aktuellfråga, 0);
  }
}

TEST_F(StartUp, CancellingBothBoxesStillBringsUpTheWindowAsAGuest) {
  serveraLista();
  dialogs.answer(std::nullopt);
  dialogs.answer(std::nullopt);
  Form_Load(*p);
  EXPECT_EQ(form().Label1->text(), "GÄST ");
  EXPECT_EQ(p->ANVÄNDARE, "GÄST");
  EXPECT_EQ(p->KLASS, "");
  EXPECT_EQ(form().List1->entries().size(), 3);
}

TEST_F(StartUp, AListThatCannotBeFetchedLeavesAnEmptyListAndSaysWhyAndFromWhere) {
  struct Fall {
    const char* namn;
    QString adress;
  };
  // The loopback server without a list answers 404; port 1 refuses the connection.
  for (const Fall& f : {Fall{"404", server.address()}, Fall{"refused", "http://127.0.0.1:1/"}}) {
    SCOPED_TRACE(f.namn);
    ScriptedDialogs rutor;
    Program program(Services{http, rutor, clock, dir.path(), f.adress});
    wire(program);
    rutor.answer(QStringLiteral("Anna"));
    rutor.answer(QStringLiteral("7B"));
    Form_Load(program);
    ASSERT_EQ(rutor.messages.size(), 1);
    EXPECT_TRUE(rutor.messages[0].startsWith("Testlistan kunde inte hämtas från " + f.adress +
                                             "distanstest/tester.txt.\r\n\r\nOrsak: "))
        << rutor.messages[0].toStdString();
    EXPECT_TRUE(program.form().List1->entries().isEmpty());
    // The rest of the start-up ran.
    EXPECT_EQ(program.form().Label4->text(), "Du gör nu prov  nyfil.   0 frågor  Maxpoäng = 0");
    EXPECT_EQ(program.form().Frame2->pos(), QPoint(tw(15000), 0));
    EXPECT_EQ(program.form().width(), tw(12300));
  }
}

TEST_F(StartUp, ClosingTheWindowThroughItsFrameEndsWithoutWritingAnything) {
  serveraLista();
  dialogs.answer(QStringLiteral("Anna"));
  dialogs.answer(QStringLiteral("7B"));
  Form_Load(*p);
  form().show();
  const QStringList före = filer();
  form().close();
  EXPECT_TRUE(p->ended());
  EXPECT_EQ(filer(), före);
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

}  // namespace
