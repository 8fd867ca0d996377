#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "transits/transit_event.h"

namespace sarovin {

// The window a body's stay in one place (a sign, a Kakshya) holds open, if
// that place makes one: opened with the span (cut at its start), closed and
// followed by the next place's at each ingress, closed as cut at the span's
// end.
class OpenWindow {
  public:
    void Begin(std::optional<TransitEvent> window) {
        open_ = std::move(window);
        if (open_) {
            open_->startCut = true;
        }
    }

    void Enter(double time, std::optional<TransitEvent> next, std::vector<TransitEvent>& closed) {
        if (open_) {
            open_->end = time;
            closed.push_back(*open_);
        }
        open_ = std::move(next);
    }

    void Finish(double time, std::vector<TransitEvent>& closed) {
        if (open_) {
            open_->end = time;
            open_->endCut = true;
            closed.push_back(*open_);
            open_.reset();
        }
    }

    const std::optional<TransitEvent>& event() const { return open_; }

  private:
    std::optional<TransitEvent> open_;
};

}  // namespace sarovin
