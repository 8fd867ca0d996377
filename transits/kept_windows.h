#pragma once

#include <cstddef>
#include <vector>

#include "transits/transit_event.h"

namespace sarovin {

// The windows a view keeps of a search: the first `most`, in report order,
// and the count of all, so that a search of centuries at a low threshold
// holds a bounded memory where its windows number in the hundreds of
// thousands.
class KeptWindows {
  public:
    explicit KeptWindows(std::size_t most) : most_(most) {}

    void Add(const TransitEvent& event) {
        if (events_.size() < most_) {
            events_.push_back(event);
        }
        ++found_;
    }
    const std::vector<TransitEvent>& events() const { return events_; }
    std::vector<TransitEvent>& events() { return events_; }
    // Every window the search found, the ones not kept too.
    std::size_t found() const { return found_; }
    bool Capped() const { return found_ > events_.size(); }

  private:
    std::size_t most_;
    std::vector<TransitEvent> events_;
    std::size_t found_ = 0;
};

}  // namespace sarovin
