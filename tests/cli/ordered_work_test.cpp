#include <gtest/gtest.h>

#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "cli/ordered_work.h"
#include "tests/support/ordinary_account.h"

namespace sarovin {
namespace {

// Readings are computed, so threads past the cores only take turns.
TEST(OrderedWork, NoMoreThreadsThanCores) {
    struct Case {
        int jobs;
        unsigned cores;  // 0: not known
        int expected;
    };
    const Case cases[] = {{256, 2, 2}, {256, 64, 64}, {8, 8, 8}, {1, 16, 1}, {4, 0, 4}};
    for (const Case& given : cases) {
        EXPECT_EQ(WorkerThreads(given.jobs, given.cores), given.expected)
            << given.jobs << " on " << given.cores;
    }
}

// With no thread allowed (one process for the account, the test's own)
// every output still comes, in order, and the shortfall is told.
TEST(OrderedWork, ThreadsTheSystemRefusesAreDoneWithout) {
    EXPECT_TRUE(testing::HoldsForAnOrdinaryAccount([] {
        const rlimit oneProcess{1, 1};
        if (::setrlimit(RLIMIT_NPROC, &oneProcess) != 0) {
            return false;
        }
        constexpr std::size_t COUNT = 50;
        std::string consumed;
        std::string expected;
        int started = -1;
        const bool all = ProduceInOrder(
            COUNT, 4,
            [](std::size_t index) {
                return ReadingOutput{std::to_string(index) + ",", "", false};
            },
            [&consumed](ReadingOutput&& output) {
                consumed += output.printed;
                return true;
            },
            [&started](int count) { started = count; });
        for (std::size_t index = 0; index < COUNT; ++index) {
            expected += std::to_string(index) + ",";
        }
        return all && consumed == expected && started == 0;
    }));
}

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
