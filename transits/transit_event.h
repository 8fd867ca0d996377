#pragma once

#include <optional>
#include <string>

namespace sarovin {

enum class TransitKind { Graha, Sputa, SadeSati, Kakshya };

// Saturn in the 12th, the 1st and the 2nd sign from the natal Moon's.
enum class SadeSatiPhase { Rising, Peak, Setting };

// One window of a transit: while a transiting body's Graha Drishti falls on
// a natal point's sign, while its classical Sputa Drishti on the point is
// at or above the threshold (with the moment and virupas of its peak), or
// while Saturn stays in one sign of the Sade Sati, or while Saturn or
// Jupiter stays in a Kakshya whose lord gave a bindu there. Times are Julian days of
// Universal Time; a window open at the span's start or still open at its
// end is cut there and says so.
struct TransitEvent {
    TransitKind kind = TransitKind::Graha;
    int transiting = 0;  // body slot
    int natal = 0;       // index of the natal point
    double start = 0;
    double end = 0;
    std::optional<double> peak{};
    std::optional<double> peakVirupas{};
    std::optional<SadeSatiPhase> phase{};
    // The sign the transiting body stands in at the window's peak (Sputa)
    // or start (the others): the sign whose bindus the window is read with.
    int sign = 0;
    // The lord of a Kakshya window's part, as an AshtakaPoint; none for
    // the other kinds.
    std::optional<int> kakshyaLord{};
    bool startCut = false;
    bool endCut = false;
};

// What is wrong with a window the search made, if anything: it ends before
// it starts, its peak lies outside it, or a Sputa window's peak is below
// the `threshold` it was searched at. Any of these is a fault of the
// search, never of the sky.
std::optional<std::string> FlawOf(const TransitEvent& event, double threshold);

// Events in the order they are reported: by start, then kind, transiting
// body and natal point.
bool ReportedBefore(const TransitEvent& first, const TransitEvent& second);

}  // namespace sarovin
