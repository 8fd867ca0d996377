#include "cli/ordered_work.h"

#include <condition_variable>
#include <mutex>
#include <optional>
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
        outputReady_.notify_all();
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
        slotFreed_.notify_all();
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

}  // namespace

bool ProduceInOrder(std::size_t count, int threads, const ProduceOutput& produce,
                    const ConsumeOutput& consume) {
    if (threads <= 1 || count <= 1) {
        return ProduceInline(count, produce, consume);
    }
    const auto threadCount = static_cast<std::size_t>(threads);
    OutputWindow window(count, threadCount * OUTPUTS_AHEAD_PER_THREAD);
    std::vector<std::jthread> workers;
    const StopOnExit stopOnExit(window);
    workers.reserve(threadCount);
    for (std::size_t thread = 0; thread < std::min(threadCount, count); ++thread) {
        workers.emplace_back([&window, &produce] { ProduceWhileStarted(window, produce); });
    }
    for (std::size_t index = 0; index < count; ++index) {
        if (!consume(window.TakeNext())) {
            return false;
        }
    }
    return true;
}

}  // namespace sarovin
