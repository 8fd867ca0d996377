#include "cli/ordered_work.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace sarovin {
namespace {

// The README's promise for --jobs: "at most eight readings per thread are
// held waiting to be written". The consumer stalls now and then so the
// threads run ahead as far as they may.
TEST(ProduceInOrder, HoldsAtMostEightOutputsPerThreadWaitingAndKeepsTheOrder) {
    constexpr std::size_t COUNT = 2000;
    constexpr std::size_t HELD_PER_THREAD = 8;
    for (const int threads : {2, 4}) {
        std::atomic<std::size_t> started = 0;
        std::size_t consumed = 0;
        std::size_t mostHeld = 0;
        const auto produce = [&started](std::size_t index) {
            ++started;
            return ReadingOutput{std::to_string(index), {}};
        };
        const auto consume = [&](ReadingOutput&& output) {
            if (consumed % 500 == 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
            EXPECT_EQ(output.printed, std::to_string(consumed));
            ++consumed;
            mostHeld = std::max(mostHeld, started - consumed);
            return true;
        };
        EXPECT_TRUE(ProduceInOrder(COUNT, threads, produce, consume));
        EXPECT_EQ(consumed, COUNT);
        EXPECT_LE(mostHeld, HELD_PER_THREAD * static_cast<std::size_t>(threads)) << threads;
    }
}

}  // namespace
}  // namespace sarovin
