#pragma once

#include <string>
#include <string_view>

namespace sarovin {

// The form of a place name that searches compare, so that what a person
// types on a plain keyboard meets the atlas's spelling: "São Paulo" and
// "sao  paulo" both become "sao paulo", "Saint-Étienne" becomes
// "saint etienne", "K’olīto" becomes "kolito".
//
// Latin letters lose case and marks; ß, æ, œ, þ and ĳ become two letters.
// Apostrophes vanish; spaces, hyphens, dots and other punctuation become
// one space; commas are kept as ", " so that "Name,Region" lines up with
// "Name, Region". Letters of other scripts are kept as written.
std::string SearchKey(std::string_view text);

}  // namespace sarovin
