// The in-process benchmarks: each figure of the program is measured beside its baseline, in the
// same program, on real widgets of the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStyleFactory>

#include "BenchProgram.h"

namespace {
QtMessageHandler defaultHandler = nullptr;

// The offscreen platform says what it cannot do with windows (raise them, size hints); that says
// nothing about the figures and would break up the table.
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("This plugin does not support"))) return;
  defaultHandler(type, context, message);
}
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  defaultHandler = qInstallMessageHandler(quietPlatform);
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  runBenchEnd();
  benchmark::Shutdown();
  return 0;
}
