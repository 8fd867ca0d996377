#pragma once

namespace sarovin {

// The rules the Drishti follow: Sarovin's own 1.15 rules (the default) or
// the classical rules of Brihat Parashara Hora Shastra.
enum class Rules { Sarovin115, Classical };

}  // namespace sarovin
