#pragma once

#include <QString>

#include <functional>

// A blocking text fetch over HTTP: the version check waits for its answer on the window thread,
// so every request is bounded in time and size, the name look-up included.
struct FetchLimits
{
    int connectMs = 3000;
    // The caller stops waiting then, whatever the network is doing.
    int totalMs = 5000;
    // The answer is only ever compared with a version text; anything longer is not one.
    qsizetype maxBytes = 4096;
    // Runs on the transfer's own thread as each name look-up starts. A hook that never returns
    // stands in for a name server that never answers.
    std::function<void()> lookUpStarts;
};

// The body of an http or https address, or "" when nothing usable came back: another scheme,
// no connection, a status outside 2xx, the time limit or a body over the size limit.
// The transfer runs on a thread of its own; one still running at the time limit (a name look-up
// can outlast any timeout of the transfer library) is left to end by itself, and its answer is
// dropped.
QString httpGetText(const QString &url, const FetchLimits &limits = {});

// The transfer library's process-wide set-up, made once in main before any other work,
// while the program has no other threads. Its tear-down is skipped while a transfer that was
// given up on still runs, since the library may not be torn down under it.
class FetchLibrary
{
public:
    FetchLibrary();
    ~FetchLibrary();
    FetchLibrary(const FetchLibrary &) = delete;
    FetchLibrary &operator=(const FetchLibrary &) = delete;
};
