#include "platform/CurlHttp.h"

#include <curl/curl.h>

#include <QUrl>

#include <mutex>

namespace {
struct Sink {
  QByteArray body;
  qint64 maxBytes;
  bool tooLarge = false;
};

size_t collect(char* data, size_t size, size_t count, void* user) {
  auto* sink = static_cast<Sink*>(user);
  const size_t n = size * count;
  if (sink->body.size() + qint64(n) > sink->maxBytes) {
    sink->tooLarge = true;
    return 0;  // ends the transfer
  }
  sink->body.append(data, qsizetype(n));
  return n;
}

void initCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// libcurl takes an address only in its encoded form: a blank or a letter outside ASCII (a server
// folder "Mina tester", a bundled sample folder below "/home/anna/Skrivbord") is percent-encoded
// here, while what is already encoded stays as it is.
QByteArray encodedAddress(const QString& url) {
  const QUrl parsed(url, QUrl::TolerantMode);
  return parsed.isValid() && !parsed.scheme().isEmpty() ? parsed.toEncoded() : url.toUtf8();
}

struct Busy {
  const std::function<void(bool)>& hook;
  explicit Busy(const std::function<void(bool)>& h) : hook(h) {
    if (hook) hook(true);
  }
  ~Busy() {
    if (hook) hook(false);
  }
};
}  // namespace

CurlHttp::CurlHttp() : CurlHttp(Limits{}) {}

CurlHttp::CurlHttp(Limits limits) : limits_(limits) {
  initCurlOnce();
}

QByteArray CurlHttp::openUrl(const QString& url) {
  Busy busy(onBusy);
  CURL* curl = curl_easy_init();
  if (!curl) throw HttpError("libcurl could not start a transfer");
  Sink sink{QByteArray(), limits_.maxBytes};
  char error[CURL_ERROR_SIZE] = {};
  const QByteArray address = encodedAddress(url);
  curl_easy_setopt(curl, CURLOPT_URL, address.constData());
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https,file");
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, limits_.maxRedirects);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, limits_.connectTimeoutMs);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, limits_.totalTimeoutMs);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, limits_.lowSpeedBytesPerSecond);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, limits_.lowSpeedSeconds);
  curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(limits_.maxBytes));
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &collect);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
  curl_easy_setopt(curl, CURLOPT_USERAGENT, "Lumivo/8.0");
  const CURLcode rc = curl_easy_perform(curl);
  long status = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  curl_easy_cleanup(curl);

  if (sink.tooLarge || rc == CURLE_FILESIZE_EXCEEDED)
    throw HttpError("the answer is larger than " + std::to_string(limits_.maxBytes) + " bytes");
  if (rc != CURLE_OK) throw HttpError(std::string(error[0] ? error : curl_easy_strerror(rc)));
  // A file address has no status; any http answer outside 2xx is a failed transfer.
  if (status != 0 && (status < 200 || status > 299))
    throw HttpError("the server answered " + std::to_string(status));
  return sink.body;
}
