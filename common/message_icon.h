#pragma once

namespace sarovin {

// The icon of a message box: every message of the program is an error or
// an information.
enum class MessageIcon { Error, Information };

}  // namespace sarovin
