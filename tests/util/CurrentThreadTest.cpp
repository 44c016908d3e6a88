#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "util/CurrentThread.h"

namespace {

TEST(CurrentThreadId, NamesTheCallingThread) {
    const std::uint32_t here = Util::CurrentThreadId();
    EXPECT_NE(here, 0u);
    EXPECT_EQ(here, Util::CurrentThreadId());

    std::uint32_t there = 0;
    std::uint32_t thereFromSystem = 0;
    std::thread other([&] {
        there = Util::CurrentThreadId();
        thereFromSystem = GetCurrentThreadId();
    });
    other.join();
    EXPECT_EQ(there, thereFromSystem);
    EXPECT_NE(there, here);
}

}  // namespace
