#pragma once
#include <QByteArray>
#include <QString>
#include <stdexcept>

// A transfer that cannot be made: refused, timed out, too large, a non-2xx answer, a bad address.
struct HttpError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Fetches the whole content of an address as bytes; returns only when the transfer is complete.
class Http {
 public:
  virtual ~Http() = default;
  virtual QByteArray openUrl(const QString& url) = 0;  // throws HttpError
};
