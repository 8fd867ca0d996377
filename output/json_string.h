#pragma once

#include <string>
#include <string_view>

namespace sarovin {

// Appends `text` as a JSON string, quotes included. Quotes and backslashes
// are escaped; control characters U+0000-U+001F are written as \b, \t, \n,
// \f and \r where JSON has those short forms and as \u00xx otherwise, as
// QJsonDocument writes them. Valid UTF-8 is copied as it is. A byte that
// is not part of a valid UTF-8 sequence (as a file name may hold) is
// written as \udcxx, xx its value: a lone low surrogate no valid text can
// hold, so the original bytes can be told apart and recovered (as Python's
// "surrogateescape" does).
void AppendJsonString(std::string& json, std::string_view text);

}  // namespace sarovin
