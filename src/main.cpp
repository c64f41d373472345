#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>
#include <cstdio>

#include "app/Config.h"
#include "app/Form1.h"
#include "app/FormLoad.h"
#include "app/Program.h"
#include "app/Wiring.h"
#include "platform/Clock.h"
#include "platform/CurlHttp.h"
#include "platform/QtDialogs.h"

int main(int argc, char** argv) {
  // The options are read before the window system is reached, so that --help works anywhere.
  QStringList args;
  for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  Config config;
  QString message;
  if (!readConfig(args, config, message)) {
    std::fputs(message.toLocal8Bit().constData(), stdout);
    return message.startsWith(QStringLiteral("Användning")) ? 0 : 2;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("lumivo"));
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QDir::setCurrent(config.workDir);

  // The message and input boxes say "Avbryt", not "Cancel".
  QTranslator qtSwedish;
  if (qtSwedish.load(QLocale(QLocale::Swedish, QLocale::Sweden), QStringLiteral("qt"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtSwedish);

  CurlHttp http;
  // A download holds the window until it is complete; the pointer says so meanwhile.
  http.onBusy = [](bool busy) {
    if (busy)
      QApplication::setOverrideCursor(Qt::WaitCursor);
    else
      QApplication::restoreOverrideCursor();
  };
  QtDialogs dialogs;
  SystemClock clock;
  Program program(Services{http, dialogs, clock, config.workDir, config.serverAddress});
  wire(program);
  dialogs.setParent(&program.form());
  // Form_Load runs before the event loop; a failure in it is told like a handler's.
  runHandler(program, "Form_Load", [&program] { Form_Load(program); });
  if (program.ended()) return 0;
  program.form().show();
  return QApplication::exec();
}
