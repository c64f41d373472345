#include "source/SourceFixture.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "model/Cp1252.h"

void SourceFixture::pick(const QString& name) {
  form().Text5->setText(name);
}

std::unique_ptr<Program> SourceFixture::programAt(const QString& serverAddress, Http* client) {
  return std::make_unique<Program>(
      Services{client ? *client : http, dialogs, clock, dir.path(), serverAddress});
}

QByteArray SourceFixture::testText(const QString& field0, const QStringList& cells) {
  QString text = field0 + QStringLiteral("\r\n");
  for (const QString& c : cells) text += c + QStringLiteral("\r\n");
  return toCp1252(text);
}

QStringList SourceFixture::numberedCells(int count) {
  QStringList cells;
  for (int i = 0; i < count; ++i) cells << QStringLiteral("c%1").arg(i);
  return cells;
}

DeadPort::DeadPort() {
  fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof a;
  if (::bind(fd_, reinterpret_cast<sockaddr*>(&a), len) != 0 ||
      ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len) != 0)
    ADD_FAILURE() << "cannot bind a socket";
  port_ = ntohs(a.sin_port);
}

DeadPort::~DeadPort() {
  ::close(fd_);
}

QString DeadPort::address() const {
  return QStringLiteral("http://127.0.0.1:%1/").arg(port_);
}
