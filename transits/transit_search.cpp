#include "transits/transit_search.h"

#include <algorithm>
#include <cmath>
#include <queue>
#include <semaphore>
#include <system_error>
#include <thread>

#include "engine/body_slot.h"
#include "transits/body_group.h"

namespace sarovin {

namespace {

// The span is searched two years at a time; events are handed on once no
// window still open, and none that a polished time could move, starts
// before them.
constexpr double STRETCH_DAYS = 730.5;
constexpr double POLISH_MARGIN_DAYS = 7;

// Steps measured against the ephemeris over 1950-2050: the cubic stays
// within 0.1 minute of the true crossing for the Sun (8 days) and the Moon
// (1.25 days) everywhere; the planets' times are polished.
std::vector<BodyPlan> PlansOf(bool trueNode) {
    return {
        {Moon, 1.5, false},  {Sun, 8, false},
        {Jupiter, 10, true}, {Mercury, 3, true},
        {Venus, 5, true},    {Mars, 5, true},
        {Saturn, 10, true},  {NNode, trueNode ? 1.0 : 16.0, trueNode},
    };
}

std::vector<std::vector<BodyPlan>> SplitPlans(const TransitRequest& request) {
    std::vector<BodyPlan> plans = PlansOf(request.trueNode);
    if (request.threads < 2) {
        return {plans};
    }
    // The Moon's windows are the most numerous; the planets' polishing
    // costs calls: these halves take about the same time.
    return {{plans[0], plans[1], plans[2], plans[7]}, {plans[3], plans[4], plans[5], plans[6]}};
}

struct LaterReported {
    bool operator()(const TransitEvent& a, const TransitEvent& b) const {
        return ReportedBefore(b, a);
    }
};

// Holds closed windows until none earlier can come, then hands them on.
class OrderedEvents {
  public:
    explicit OrderedEvents(const TransitSink& sink) : sink_(sink) {}

    void Add(std::vector<TransitEvent>& closed) {
        for (TransitEvent& event : closed) {
            waiting_.push(std::move(event));
        }
        closed.clear();
    }
    // Hands on the events before `limit` and before `open`.
    void Release(double limit, const std::optional<TransitEvent>& open) {
        while (!waiting_.empty() && waiting_.top().start < limit &&
               (!open || ReportedBefore(waiting_.top(), *open))) {
            sink_(waiting_.top());
            waiting_.pop();
            ++handed_;
        }
    }
    long handed() const { return handed_; }

  private:
    const TransitSink& sink_;
    std::priority_queue<TransitEvent, std::vector<TransitEvent>, LaterReported> waiting_;
    long handed_ = 0;
};

// The end of the stretch that holds `start`: stretches are counted from the
// sampling epoch, so their ends, which are sampled too, do not depend on
// where the span starts.
double NextStretchEnd(double start) {
    return SAMPLING_EPOCH +
           (std::floor((start - SAMPLING_EPOCH) / STRETCH_DAYS) + 1) * STRETCH_DAYS;
}

// Searches one stretch of `group`, finishing its windows after the last.
std::optional<Refusal> SearchStretch(BodyGroup& group, PositionSource& source, double start,
                                     double end, bool last, std::vector<TransitEvent>& closed) {
    std::optional<Refusal> refusal = group.Search(source, start, end, closed);
    if (last && !refusal) {
        return group.Finish(source, closed);
    }
    return refusal;
}

// A second thread searching its group stretch by stretch, each stretch
// started by the caller and awaited.
class StretchWorker {
  public:
    StretchWorker(BodyGroup& group, const PositionSourceFactory& sources)
        : group_(group), sources_(sources), thread_([this] { Run(); }) {}
    ~StretchWorker() {
        stop_ = true;
        go_.release();
        thread_.join();
    }
    StretchWorker(const StretchWorker&) = delete;
    StretchWorker& operator=(const StretchWorker&) = delete;

    void Start(double start, double end, bool last) {
        start_ = start;
        end_ = end;
        last_ = last;
        go_.release();
    }
    std::optional<Refusal> Wait(std::vector<TransitEvent>& closed) {
        done_.acquire();
        closed.insert(closed.end(), closed_.begin(), closed_.end());
        closed_.clear();
        return refusal_;
    }

  private:
    void Run() {
        const std::unique_ptr<PositionSource> source = sources_();
        while (true) {
            go_.acquire();
            if (stop_) {
                return;
            }
            if (!refusal_) {
                refusal_ = SearchStretch(group_, *source, start_, end_, last_, closed_);
            }
            done_.release();
        }
    }

    BodyGroup& group_;
    const PositionSourceFactory& sources_;
    std::binary_semaphore go_{0};
    std::binary_semaphore done_{0};
    double start_ = 0;
    double end_ = 0;
    bool last_ = false;
    bool stop_ = false;
    std::optional<Refusal> refusal_;
    std::vector<TransitEvent> closed_;
    std::thread thread_;
};

std::optional<TransitEvent> EarliestOf(const std::vector<BodyGroup>& groups) {
    std::optional<TransitEvent> earliest;
    for (const BodyGroup& group : groups) {
        const std::optional<TransitEvent> open = group.EarliestOpen();
        if (open && (!earliest || ReportedBefore(*open, *earliest))) {
            earliest = open;
        }
    }
    return earliest;
}

}  // namespace

Result<TransitCounts> SearchTransits(const TransitRequest& request,
                                     const PositionSourceFactory& sources, const TransitSink& sink,
                                     const TransitProgress& progress) {
    std::vector<BodyGroup> groups;
    for (std::vector<BodyPlan>& plans : SplitPlans(request)) {
        groups.emplace_back(request, std::move(plans));
    }
    const std::unique_ptr<PositionSource> source = sources();
    std::optional<StretchWorker> worker;
    if (groups.size() > 1) {
        // Under a limit on the user's processes the system may refuse the
        // thread: the calling thread then searches both groups.
        try {
            worker.emplace(groups[1], sources);
        } catch (const std::system_error&) {
            worker.reset();
        }
    }
    OrderedEvents ordered(sink);
    std::vector<TransitEvent> closed;
    for (double start = request.from; start < request.to;) {
        const double end = std::min(NextStretchEnd(start), request.to);
        const bool last = end >= request.to;
        if (worker) {
            worker->Start(start, end, last);
        }
        std::optional<Refusal> refusal =
            SearchStretch(groups[0], *source, start, end, last, closed);
        const std::optional<Refusal> other =
            worker              ? worker->Wait(closed)
            : groups.size() > 1 ? SearchStretch(groups[1], *source, start, end, last, closed)
                                : std::nullopt;
        refusal = refusal ? refusal : other;
        if (refusal) {
            return *refusal;
        }
        for (const TransitEvent& event : closed) {
            if (const std::optional<std::string> flaw = FlawOf(event, request.threshold)) {
                return RefuseWith("Internal error in the transit search: " + *flaw +
                                  ". The search was stopped rather than show it.");
            }
        }
        ordered.Add(closed);
        ordered.Release(last ? end + 1 : end - POLISH_MARGIN_DAYS, EarliestOf(groups));
        if (progress && !progress((end - request.from) / (request.to - request.from))) {
            return RefuseWith("The search was cancelled.");
        }
        start = end;
    }
    TransitCounts counts{.events = ordered.handed(), .threads = worker ? 2 : 1};
    for (const BodyGroup& group : groups) {
        counts.ephemerisCalls += group.calls();
    }
    return counts;
}

}  // namespace sarovin
