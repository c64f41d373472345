#pragma once
#include <functional>

#include "platform/Http.h"

// Fetches http, https and file addresses with libcurl. A transfer fails on a non-2xx answer,
// a refused or reset connection, a server that stalls, too many redirects, or a body larger
// than the limit, so that a broken server can neither hang the program nor fill its memory.
class CurlHttp : public Http {
 public:
  struct Limits {
    long connectTimeoutMs = 10'000;
    long lowSpeedBytesPerSecond = 1;  // slower than this ...
    long lowSpeedSeconds = 20;        // ... for this long is a stalled transfer
    long totalTimeoutMs = 300'000;
    long maxRedirects = 5;
    qint64 maxBytes = 64LL * 1024 * 1024;
  };
  CurlHttp();
  explicit CurlHttp(Limits limits);
  QByteArray openUrl(const QString& url) override;
  // Called before and after every transfer (the program shows a wait cursor meanwhile).
  std::function<void(bool busy)> onBusy;

 private:
  Limits limits_;
};
