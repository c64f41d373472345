#include "app/Config.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {
const QString kUsage = QStringLiteral(
    "Användning: lumivo [--server ADRESS] [--workdir MAPP]\n"
    "\n"
    "  --server ADRESS  webbservern där testerna ligger under \"distanstest/\"\n"
    "                   (annars LUMIVO_SERVER, annars de medföljande exempeltesterna)\n"
    "  --workdir MAPP   arbetsmappen där svarsfiler och sparade tester hamnar\n"
    "                   (annars den aktuella mappen)\n"
    "  --help           visar den här texten\n");

QString withSlash(QString address) {
  if (!address.endsWith(QLatin1Char('/'))) address += QLatin1Char('/');
  return address;
}
}  // namespace

QString bundledExamples() {
  for (const QString& dir :
       {QStringLiteral(LUMIVO_INSTALLED_EXAMPLES), QStringLiteral(LUMIVO_SOURCE_EXAMPLES)}) {
    if (QFileInfo(dir + QStringLiteral("/server/distanstest")).isDir()) return dir;
  }
  return QStringLiteral(LUMIVO_SOURCE_EXAMPLES);
}

bool readConfig(const QStringList& args, Config& config, QString& message) {
  QString server = qEnvironmentVariable("LUMIVO_SERVER");
  QString workDir = QDir::currentPath();
  for (int i = 1; i < args.size(); ++i) {
    const QString& a = args[i];
    if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
      message = kUsage;
      return false;
    }
    if ((a == QLatin1String("--server") || a == QLatin1String("--workdir")) &&
        i + 1 < args.size()) {
      (a == QLatin1String("--server") ? server : workDir) = args[++i];
      continue;
    }
    message = QStringLiteral("Okänt argument: %1\n\n").arg(a) + kUsage;
    return false;
  }
  if (server.isEmpty())
    server = QUrl::fromLocalFile(bundledExamples() + QStringLiteral("/server/")).toString();
  if (!QFileInfo(workDir).isDir()) {
    message = QStringLiteral("Arbetsmappen finns inte: %1\n").arg(workDir);
    return false;
  }
  config.serverAddress = withSlash(server);
  config.workDir = QFileInfo(workDir).absoluteFilePath();
  return true;
}
