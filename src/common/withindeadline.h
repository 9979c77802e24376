#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

// For what the window thread may wait on only so long (a volume, a name server, a server): the
// work runs on a thread of its own, and the caller waits for it at most `wait`. Work still
// running then is left to end by itself, so it must own everything it touches and touch no Qt
// object: the caller, its window, even the application may be gone by the time it ends.

// True when `work` ended within `wait`; false when it did not, or no thread could be started
// (then it never runs, and is destroyed before this returns).
bool endsWithin(std::chrono::milliseconds wait, std::function<void()> work);

// What `work` returned, or nothing when it did not end within `wait`.
template <class Work>
std::optional<std::invoke_result_t<Work &>> withinDeadline(std::chrono::milliseconds wait,
                                                           Work work)
{
    using Answer = std::invoke_result_t<Work &>;
    // Shared with the thread: a thread given up on still has somewhere to put its answer.
    auto answer = std::make_shared<std::optional<Answer>>();
    if (!endsWithin(wait, [answer, work = std::move(work)]() mutable { answer->emplace(work()); }))
        return std::nullopt;
    return std::move(*answer);
}
