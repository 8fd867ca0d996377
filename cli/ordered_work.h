#pragma once

#include <cstddef>
#include <functional>

#include "cli/reading_output.h"

namespace sarovin {

using ProduceOutput = std::function<ReadingOutput(std::size_t index)>;
// Takes the outputs in index order; false stops the work.
using ConsumeOutput = std::function<bool(ReadingOutput&& output)>;
// Told how many threads the system let start when it refused some.
using ReportFewerThreads = std::function<void(int started)>;

// The threads worth starting for `jobs` asked on a machine of `cores`
// (0 when unknown): readings are computed, not waited for, so threads
// beyond the cores only take turns.
int WorkerThreads(int jobs, unsigned cores);

// Produces the outputs of indexes 0 to count - 1 on `threads` threads
// (inline for one) and hands them to `consume` on the calling thread in
// index order, so the result is the same for any number of threads. At
// most a few outputs per thread wait to be consumed, however large the
// count. When `consume` returns false no further index is started, and the
// call returns once the running ones end. True when all were consumed.
// When the system refuses some threads the work goes on with those that
// started (inline when none did), and `fewer` is told how many.
bool ProduceInOrder(std::size_t count, int threads, const ProduceOutput& produce,
                    const ConsumeOutput& consume, const ReportFewerThreads& fewer = {});

}  // namespace sarovin
