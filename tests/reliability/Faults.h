#pragma once
// Ways to break the world around the program: a port nobody answers on, a file the system
// will not replace, a working folder that is read-only, gone, or full. Mounting and locking
// need root (CAP_SYS_ADMIN, CAP_LINUX_IMMUTABLE); without it they report that they cannot,
// and the tests that need them are skipped with a message.
#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QString>
#include <QStringList>

#include <arpa/inet.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <netinet/in.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <unistd.h>

namespace faults {

// A small tmpfs mounted over a folder for the lifetime of the object; it can be made
// read-only and writable again. Unmounted lazily, so that a failed test leaves no mount busy.
class Tmpfs {
 public:
  Tmpfs(const QString& folder, int kilobytes) : folder_(folder.toLocal8Bit()) {
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
    mounted_ = ::mount("tmpfs", folder_.constData(), "tmpfs", 0, options.constData()) == 0;
  }
  ~Tmpfs() {
    if (mounted_) ::umount2(folder_.constData(), MNT_DETACH);
  }
  Tmpfs(const Tmpfs&) = delete;
  Tmpfs& operator=(const Tmpfs&) = delete;
  bool mounted() const { return mounted_; }
  bool setReadOnly(bool readOnly) {
    const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
    return ::mount("tmpfs", folder_.constData(), "tmpfs", flags, nullptr) == 0;
  }

 private:
  QByteArray folder_;
  bool mounted_ = false;
};

// Sets or clears the immutable flag of a file: not even root may replace, rename over or
// change it. False where the file system or the process's rights do not allow it.
inline bool setImmutable(const QString& path, bool on) {
  const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK);
  if (fd < 0) return false;
  int flags = 0;
  bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (ok) {
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(fd);
  return ok;
}

// Fills the file system of a folder with one file until no byte more fits.
inline void fillUp(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return;
  const QByteArray block(4096, 'x');
  while (f.write(block) == block.size() && f.flush()) {
  }
  // The last partial block: byte by byte.
  while (f.write("x", 1) == 1 && f.flush()) {
  }
}

// Every entry below a folder, files and folders, as paths relative to it, sorted.
inline QStringList tree(const QString& folder) {
  QStringList entries;
  QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) entries << QDir(folder).relativeFilePath(it.next());
  entries.sort();
  return entries;
}

}  // namespace faults
