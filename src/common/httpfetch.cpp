#include "httpfetch.h"

#include <QByteArray>
#include <QUrl>

#include <curl/curl.h>

#include <memory>

namespace {

struct Body
{
    QByteArray bytes;
    qsizetype maxBytes;
};

size_t collect(char *data, size_t size, size_t count, void *target)
{
    auto *body = static_cast<Body *>(target);
    const size_t length = size * count;
    if (body->bytes.size() + static_cast<qsizetype>(length) > body->maxBytes)
        return 0; // a short count makes the transfer fail at once
    body->bytes.append(data, static_cast<qsizetype>(length));
    return length;
}

struct EasyDeleter
{
    void operator()(CURL *handle) const { curl_easy_cleanup(handle); }
};

} // namespace

QString httpGetText(const QString &url, const FetchLimits &limits)
{
    const QUrl address(url);
    const QString scheme = address.scheme();
    if (!address.isValid() || address.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return QString();

    const std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
    if (!easy)
        return QString();
    CURL *handle = easy.get();
    const QByteArray target = address.toEncoded();
    Body body{QByteArray(), limits.maxBytes};

    curl_easy_setopt(handle, CURLOPT_URL, target.constData());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    // A redirect is not followed: the version file lives at one address or not at all.
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 0L);
    // No alarm signals: the game's window thread must not be interrupted by name look-ups.
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connectMs));
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.totalMs));
    curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBytes));
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &collect);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body);

    if (curl_easy_perform(handle) != CURLE_OK)
        return QString();
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status > 299)
        return QString();
    return QString::fromUtf8(body.bytes);
}

FetchLibrary::FetchLibrary()
{
    curl_global_init(CURL_GLOBAL_DEFAULT);
}

FetchLibrary::~FetchLibrary()
{
    curl_global_cleanup();
}
