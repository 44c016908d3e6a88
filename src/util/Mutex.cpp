#include "util/Mutex.h"

#include <windows.h>

namespace Util {

static_assert(sizeof(SRWLOCK) == sizeof(void*), "Mutex keeps the SRWLOCK in one pointer");

void Mutex::lock() noexcept { AcquireSRWLockExclusive(reinterpret_cast<PSRWLOCK>(&srw_)); }

void Mutex::unlock() noexcept { ReleaseSRWLockExclusive(reinterpret_cast<PSRWLOCK>(&srw_)); }

void RecursiveMutex::lock() noexcept {
    const unsigned long self = GetCurrentThreadId();
    if (owner_.load(std::memory_order_relaxed) != self) {
        mutex_.lock();
        owner_.store(self, std::memory_order_relaxed);
    }
    ++depth_;
}

void RecursiveMutex::unlock() noexcept {
    if (--depth_ != 0) return;
    owner_.store(0, std::memory_order_relaxed);
    mutex_.unlock();
}

}  // namespace Util
