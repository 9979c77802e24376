#include "httpfetch.h"

#include <QByteArray>
#include <QUrl>

#include <curl/curl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>

namespace {

// The transfer library's own time limit ends a transfer this much before the caller gives up
// on it, so that one still running past that point is one waiting for its name look-up,
// which the library does not cut short; a thread caught in the middle of a TLS handshake while
// the program ends could trip over the TLS library's own tear-down.
constexpr int HeadroomMs = 250;

// Transfers whose thread has not yet left the transfer library. A plain atomic has nothing to
// destroy, so a thread still counting down while the program ends finds it intact.
std::atomic<int> transfersRunning{0};

// What a transfer's thread hands back. The caller and the thread share it, and whichever lets go
// last frees it, so a caller that stopped waiting leaves nothing behind for the thread to trip on.
struct Outcome
{
    std::mutex lock;
    std::condition_variable ended;
    bool done = false;
    bool answered = false; // a whole body with a 2xx status
    std::string body;
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

// The whole transfer, on its own thread. It touches only the transfer library and what it owns,
// never Qt, so it may still be running while the program ends around it.
void transfer(const std::string &target, const FetchLimits &limits, Outcome &outcome)
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
    --transfersRunning;
    const std::lock_guard<std::mutex> guard(outcome.lock);
    outcome.done = true;
    outcome.answered = answered;
    outcome.body = std::move(body.bytes);
    outcome.ended.notify_all();
}

} // namespace

QString httpGetText(const QString &url, const FetchLimits &limits)
{
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(limits.totalMs);
    const QUrl address(url);
    const QString scheme = address.scheme();
    if (!address.isValid() || address.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return QString();

    auto outcome = std::make_shared<Outcome>();
    ++transfersRunning;
    try {
        std::thread([target = address.toEncoded().toStdString(), limits, outcome] {
            transfer(target, limits, *outcome);
        }).detach();
    } catch (const std::system_error &) {
        --transfersRunning;
        return QString();
    }

    std::unique_lock<std::mutex> guard(outcome->lock);
    if (!outcome->ended.wait_until(guard, deadline, [&outcome] { return outcome->done; })
        || !outcome->answered)
        return QString();
    return QString::fromUtf8(outcome->body.data(), static_cast<qsizetype>(outcome->body.size()));
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
