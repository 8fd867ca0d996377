#pragma once

namespace sarovin {

// The two data files Sarovin reads: the planets' (the Sun to Saturn, as seen
// from the Earth) and the Moon's.
enum class DataFileKind { Planets, Moon };

// True when the library, reading its open files, puts the bodies of the
// file `kind` where the reference positions put them, within
// REFERENCE_TOLERANCE_DEGREES, at every reference moment from startEt to
// endEt (the span the file covers, Julian days of Ephemeris Time), and
// there is at least one such moment. A body the library cannot read from
// its files, or reads from another ephemeris, does not agree.
bool AgreesWithReferencePositions(DataFileKind kind, double startEt, double endEt);

inline constexpr double REFERENCE_TOLERANCE_DEGREES = 0.001;

}  // namespace sarovin
