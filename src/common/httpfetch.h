#pragma once

#include <QString>

// A blocking text fetch over HTTP: the version check waits for its answer on the window thread,
// so every request is bounded in time and size.
struct FetchLimits
{
    int connectMs = 3000;
    int totalMs = 5000;
    // The answer is only ever compared with a version text; anything longer is not one.
    qsizetype maxBytes = 4096;
};

// The body of an http or https address, or "" when nothing usable came back: another scheme,
// no connection, a status outside 2xx, the time limit or a body over the size limit.
QString httpGetText(const QString &url, const FetchLimits &limits = {});

// The transfer library's process-wide set-up, made once in main before any other work,
// while the program has no other threads.
class FetchLibrary
{
public:
    FetchLibrary();
    ~FetchLibrary();
    FetchLibrary(const FetchLibrary &) = delete;
    FetchLibrary &operator=(const FetchLibrary &) = delete;
};
