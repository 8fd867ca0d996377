#include "cli/ordered_work.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace sarovin {

namespace {

// Outputs each thread may have finished ahead of the one awaited.
constexpr std::size_t OUTPUTS_AHEAD_PER_THREAD = 8;

bool ProduceInline(std::size_t count, const ProduceOutput& produce, const ConsumeOutput& consume) {
    for (std::size_t index = 0; index < count; ++index) {
        if (!consume(produce(index))) {
            return false;
        }
    }
    return true;
}

// The outputs between the next one to consume and the last one started,
// in a ring of slots; a thread starts an index only when its slot is free.
class OutputWindow {
  public:
    OutputWindow(std::size_t count, std::size_t size) : count_(count), slots_(size) {}

    // The next index to produce, or nothing when all are started or the
    // work has stopped.
    std::optional<std::size_t> Start() {
        std::unique_lock lock(mutex_);
        slotFreed_.wait(lock, [this] {
            return stopped_ || started_ >= count_ || started_ < consumed_ + slots_.size();
        });
        if (stopped_ || started_ >= count_) {
            return std::nullopt;
        }
        return started_++;
    }

    void Finish(std::size_t index, ReadingOutput output) {
        {
            const std::lock_guard lock(mutex_);
            slots_[index % slots_.size()] = std::move(output);
        }
        // Only the consuming thread waits for an output.
        outputReady_.notify_one();
    }

    // Waits for the next output in index order and frees its slot.
    ReadingOutput TakeNext() {
        std::unique_lock lock(mutex_);
        std::optional<ReadingOutput>& slot = slots_[consumed_ % slots_.size()];
        outputReady_.wait(lock, [&slot] { return slot.has_value(); });
        ReadingOutput output = std::move(*slot);
        slot.reset();
        ++consumed_;
        lock.unlock();
        // One freed slot lets one thread start; waking them all would
        // have every other go back to sleep.
        slotFreed_.notify_one();
        return output;
    }

    void Stop() {
        {
            const std::lock_guard lock(mutex_);
            stopped_ = true;
        }
        slotFreed_.notify_all();
    }

  private:
    std::mutex mutex_;
    std::condition_variable slotFreed_;
    std::condition_variable outputReady_;
    std::size_t count_;
    std::size_t started_ = 0;
    std::size_t consumed_ = 0;
    bool stopped_ = false;
    std::vector<std::optional<ReadingOutput>> slots_;
};

void ProduceWhileStarted(OutputWindow& window, const ProduceOutput& produce) {
    while (const std::optional<std::size_t> index = window.Start()) {
        window.Finish(*index, produce(*index));
    }
}

// Stops the window when the consuming ends, however it ends, so that the
// threads finish before they are joined.
class StopOnExit {
  public:
    explicit StopOnExit(OutputWindow& window) : window_(window) {}
    ~StopOnExit() { window_.Stop(); }
    StopOnExit(const StopOnExit&) = delete;
    StopOnExit& operator=(const StopOnExit&) = delete;

  private:
    OutputWindow& window_;
};

// Starts up to `wanted` threads producing from the window; the system may
// refuse some when the user's processes are limited.
void StartWorkers(std::size_t wanted, OutputWindow& window, const ProduceOutput& produce,
                  std::vector<std::jthread>& workers) {
    workers.reserve(wanted);
    try {
        while (workers.size() < wanted) {
            workers.emplace_back([&window, &produce] { ProduceWhileStarted(window, produce); });
        }
    } catch (const std::system_error&) {
        // The threads already started carry the work.
    }
}

}  // namespace

int WorkerThreads(int jobs, unsigned cores) {
    if (cores == 0 || cores >= static_cast<unsigned>(jobs)) {
        return jobs;
    }
    return static_cast<int>(cores);
}

bool ProduceInOrder(std::size_t count, int threads, const ProduceOutput& produce,
                    const ConsumeOutput& consume, const ReportFewerThreads& fewer) {
    if (threads <= 1 || count <= 1) {
        return ProduceInline(count, produce, consume);
    }
    const auto threadCount = static_cast<std::size_t>(threads);
    OutputWindow window(count, threadCount * OUTPUTS_AHEAD_PER_THREAD);
    std::vector<std::jthread> workers;
    const StopOnExit stopOnExit(window);
    const std::size_t wanted = std::min(threadCount, count);
    StartWorkers(wanted, window, produce, workers);
    if (workers.size() < wanted && fewer) {
        fewer(static_cast<int>(workers.size()));
    }
    if (workers.empty()) {
        return ProduceInline(count, produce, consume);
    }
    for (std::size_t index = 0; index < count; ++index) {
        if (!consume(window.TakeNext())) {
            return false;
        }
    }
    return true;
}

}  // namespace sarovin
