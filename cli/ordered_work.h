#pragma once

#include <cstddef>
#include <functional>

#include "cli/reading_output.h"

namespace sarovin {

using ProduceOutput = std::function<ReadingOutput(std::size_t index)>;
// Takes the outputs in index order; false stops the work.
using ConsumeOutput = std::function<bool(ReadingOutput&& output)>;

// Produces the outputs of indexes 0 to count - 1 on `threads` threads
// (inline for one) and hands them to `consume` on the calling thread in
// index order, so the result is the same for any number of threads. At
// most a few outputs per thread wait to be consumed, however large the
// count. When `consume` returns false no further index is started, and the
// call returns once the running ones end. True when all were consumed.
bool ProduceInOrder(std::size_t count, int threads, const ProduceOutput& produce,
                    const ConsumeOutput& consume);

}  // namespace sarovin
