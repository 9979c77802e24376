#include "httpfetch.h"

#include "withindeadline.h"

#include <QByteArray>
#include <QUrl>

#include <curl/curl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <string>

namespace {

// The transfer library's own time limit ends a transfer this much before the caller gives up
// on it, so that one still running past that point is one waiting for its name look-up,
// which the library does not cut short; a thread caught in the middle of a TLS handshake while
// the program ends could trip over the TLS library's own tear-down.
constexpr int HeadroomMs = 250;

// Transfers whose thread has not yet left the transfer library. A plain atomic has nothing to
// destroy, so a thread still counting down while the program ends finds it intact.
std::atomic<int> transfersRunning{0};

// Counts a transfer from before its thread starts until it has left the library. A transfer whose
// thread could not be started lets go with the work it never ran.
class LibraryInUse
{
public:
    LibraryInUse() { ++transfersRunning; }
    ~LibraryInUse() { leave(); }
    LibraryInUse(const LibraryInUse &) = delete;
    LibraryInUse &operator=(const LibraryInUse &) = delete;

    void leave()
    {
        if (!m_left)
            --transfersRunning;
        m_left = true;
    }

private:
    bool m_left = false;
};

struct Body
{
    std::string bytes;
    size_t maxBytes;
};

size_t collect(char *data, size_t size, size_t count, void *target)
{
    auto *body = static_cast<Body *>(target);
    const size_t length = size * count;
    if (body->bytes.size() + length > body->maxBytes)
        return 0; // a short count makes the transfer fail at once
    body->bytes.append(data, length);
    return length;
}

int lookUpStarting(void *, void *, void *hook)
{
    (*static_cast<const std::function<void()> *>(hook))();
    return 0;
}

struct EasyDeleter
{
    void operator()(CURL *handle) const { curl_easy_cleanup(handle); }
};

// The whole transfer, on its own thread: the body of a 2xx answer, or "" for anything else. It
// touches only the transfer library and what it owns, never Qt, so it may still be running while
// the program ends around it.
std::string transfer(const std::string &target, const FetchLimits &limits, LibraryInUse &inUse)
{
    Body body{std::string(), static_cast<size_t>(limits.maxBytes)};
    bool answered = false;
    {
        const std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
        if (CURL *handle = easy.get()) {
            curl_easy_setopt(handle, CURLOPT_URL, target.c_str());
            curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
            // A redirect is not followed: the version file lives at one address or not at all.
            curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 0L);
            // No alarm signals: they would land on whatever thread the program runs.
            curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
            curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS,
                             static_cast<long>(limits.connectMs));
            curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS,
                             static_cast<long>(std::max(1, limits.totalMs - HeadroomMs)));
            curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE,
                             static_cast<curl_off_t>(limits.maxBytes));
            curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &collect);
            curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body);
            if (limits.lookUpStarts) {
                curl_easy_setopt(handle, CURLOPT_RESOLVER_START_FUNCTION, &lookUpStarting);
                curl_easy_setopt(handle, CURLOPT_RESOLVER_START_DATA, &limits.lookUpStarts);
            }
            if (curl_easy_perform(handle) == CURLE_OK) {
                long status = 0;
                curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
                answered = status >= 200 && status <= 299;
            }
        }
    }
    // Past this point the library is not used again, so it may be torn down.
    inUse.leave();
    return answered ? std::move(body.bytes) : std::string();
}

} // namespace

QString httpGetText(const QString &url, const FetchLimits &limits)
{
    const QUrl address(url);
    const QString scheme = address.scheme();
    if (!address.isValid() || address.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return QString();

    const std::optional<std::string> body = withinDeadline(
        std::chrono::milliseconds(limits.totalMs),
        [target = address.toEncoded().toStdString(), limits,
         inUse = std::make_shared<LibraryInUse>()] { return transfer(target, limits, *inUse); });
    if (!body)
        return QString();
    return QString::fromUtf8(body->data(), static_cast<qsizetype>(body->size()));
}

FetchLibrary::FetchLibrary()
{
    curl_global_init(CURL_GLOBAL_DEFAULT);
}

FetchLibrary::~FetchLibrary()
{
    // A transfer given up on may still wait for its name look-up; the process's end reclaims
    // the library's memory instead.
    if (transfersRunning == 0)
        curl_global_cleanup();
}
