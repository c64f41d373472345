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
    // Slower than this for lowSpeedSeconds is a stalled transfer. A server that drips a byte a
    // second would otherwise hold the window until the total timeout; no link a test can be
    // taken over is this slow for that long.
    long lowSpeedBytesPerSecond = 100;
    long lowSpeedSeconds = 20;
    long totalTimeoutMs = 300'000;
    long maxRedirects = 5;
    // The largest answer taken. A whole test is at most 2011 fields (some hundred kilobytes
    // even with long texts); a picture within the picture reader's limits fits as a compressed
    // file, or as a BMP of up to about 4000 x 5000 pixels. A body is held in memory whole
    // (its buffer may reach twice the limit while it grows), and a test is read back as text
    // (two bytes a character), so a hostile server costs some hundreds of megabytes at most.
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
