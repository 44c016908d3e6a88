#pragma once
// DialogWatcher: answers the module's "Fatal Error" boxes the way a person at the host
// would. A background thread looks, every few milliseconds, for every top-level dialog
// (class "#32770") of this process titled "Fatal Error", keeps its text (the static
// control 0xFFFF of a message box) and presses OK. Each box is answered once. Needs a
// display: without one no box ever appears.
// Made and stopped by one owner thread; Texts and WaitForTexts: [any-thread].

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace aaxhost {

class DialogWatcher {
public:
    // Starts watching.
    DialogWatcher();
    // Stops watching.
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

    // Ends the thread; boxes that appear later stay open. Idempotent.
    void Stop();

    // The texts of the boxes answered so far, in order, UTF-8.
    std::vector<std::string> Texts() const;
    // Waits until at least `count` boxes were answered or the timeout passed; whether they were.
    bool WaitForTexts(std::size_t count, std::chrono::milliseconds timeout) const;

private:
    void Watch();

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    bool stopping_ = false;
    std::vector<std::string> texts_;
    std::thread thread_;
};

}  // namespace aaxhost
