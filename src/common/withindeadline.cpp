#include "withindeadline.h"

#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

// The caller and the thread share it, and whichever lets go last frees it, so a caller that
// stopped waiting leaves nothing behind for the thread to trip on.
struct Ending
{
    std::mutex lock;
    std::condition_variable ended;
    bool done = false;
};

} // namespace

bool endsWithin(std::chrono::milliseconds wait, std::function<void()> work)
{
    const auto deadline = std::chrono::steady_clock::now() + wait;
    auto ending = std::make_shared<Ending>();
    try {
        std::thread([ending, work = std::move(work)] {
            work();
            const std::lock_guard<std::mutex> guard(ending->lock);
            ending->done = true;
            ending->ended.notify_all();
        }).detach();
    } catch (const std::system_error &) {
        return false;
    }
    std::unique_lock<std::mutex> guard(ending->lock);
    return ending->ended.wait_until(guard, deadline, [&ending] { return ending->done; });
}
