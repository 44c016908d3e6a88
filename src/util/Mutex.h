#pragma once
// The module's own locks, on the system's slim reader/writer lock: they allocate nothing
// and hold nothing beyond their object, so a lock goes with the object that holds it.
// (A C++ library mutex keeps a runtime state that stays until the DLL is unloaded, one
// per instance a host ever made.) Both are BasicLockable, for std::lock_guard.
// [any-thread]

#include <atomic>

namespace Util {

class Mutex {
public:
    constexpr Mutex() noexcept = default;
    Mutex(const Mutex&) = delete;
    Mutex& operator=(const Mutex&) = delete;

    void lock() noexcept;
    void unlock() noexcept;

private:
    void* srw_ = nullptr;  // an SRWLOCK: one pointer, unlocked when null
};

// A thread that holds it may take it again; it is free when every lock has its unlock.
class RecursiveMutex {
public:
    constexpr RecursiveMutex() noexcept = default;
    RecursiveMutex(const RecursiveMutex&) = delete;
    RecursiveMutex& operator=(const RecursiveMutex&) = delete;

    void lock() noexcept;
    void unlock() noexcept;

private:
    Mutex mutex_;
    std::atomic<unsigned long> owner_{0};  // thread id of the holder, 0 when free
    unsigned depth_ = 0;                   // read and written by the holder only
};

}  // namespace Util
