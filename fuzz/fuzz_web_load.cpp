// libFuzzer entry: a whole web test load into a fresh program on offscreen widgets.
#include <QApplication>
#include <QStyleFactory>

#include "fuzz/FuzzChecks.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "fuzz_web_load";
  static char* argv[] = {name, nullptr};
  // Never destroyed: libFuzzer ends the process with exit(), and a QApplication torn down by
  // the exit handlers after the widgets' statics crashes on the way out.
  new QApplication(argc, argv);
  // The offscreen platform warns at every window raised; the fuzzer's log is for findings.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  checkWebLoad(data, size);
  return 0;
}
