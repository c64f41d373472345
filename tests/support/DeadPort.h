#pragma once
// A port on 127.0.0.1 that is bound but never listened on: connections to it are refused.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QString>

class DeadPort {
 public:
  DeadPort() {
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
  ~DeadPort() { ::close(fd_); }
  DeadPort(const DeadPort&) = delete;
  DeadPort& operator=(const DeadPort&) = delete;
  int port() const { return port_; }
  QString address() const { return QStringLiteral("http://127.0.0.1:%1/").arg(port_); }

 private:
  int fd_ = -1;
  int port_ = 0;
};
