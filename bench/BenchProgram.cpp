#include "BenchProgram.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <vector>

#include "SampleTest.h"
#include "app/Form1.h"
#include "app/Wiring.h"

namespace {
std::vector<std::function<void()>>& cleanups() {
  static std::vector<std::function<void()>> list;
  return list;
}
}  // namespace

void atBenchEnd(std::function<void()> cleanup) {
  cleanups().push_back(std::move(cleanup));
}

void runBenchEnd() {
  auto& list = cleanups();
  while (!list.empty()) {
    list.back()();
    list.pop_back();
  }
}

QString examplesFolder() {
  return QStringLiteral(LUMIVO_BENCH_EXAMPLES);
}

BenchProgram::BenchProgram() {
  p = std::make_unique<Program>(Services{http, dialogs, clock, dir.path(), server.address()});
  wire(*p);
  p->form().show();
  settle();
}

BenchProgram::~BenchProgram() = default;

QString BenchProgram::serveTest(const QString& name, const QByteArray& bytes) {
  const QString folder = name.left(name.size() - 4);
  const std::string base = "/distanstest/" + folder.toStdString() + "/";
  server.put(base + name.toStdString(), bytes);
  // The sample pictures lie in the examples' test folders.
  const QString pictures = examplesFolder() + QStringLiteral("/server/distanstest/");
  for (const QString& picture : sample::pictureNames()) {
    for (const QString& sub : QDir(pictures).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
      QFile f(pictures + sub + QLatin1Char('/') + picture);
      if (f.open(QIODevice::ReadOnly)) server.put(base + picture.toStdString(), f.readAll());
    }
  }
  return server.address() + QStringLiteral("distanstest/") + folder + QLatin1Char('/') + name;
}

bool writePlain(const QByteArray& path, const QByteArray& bytes, bool sync) {
  const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return false;
  bool ok = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
  if (sync) ok = ::fdatasync(fd) == 0 && ok;
  return ::close(fd) == 0 && ok;
}

QString BenchProgram::work(const QString& name) const {
  return QDir(dir.path()).filePath(name);
}

void BenchProgram::settle() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
}
