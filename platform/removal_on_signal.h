#pragma once

namespace sarovin {

// Files half written, removed should the program be ended by SIGINT,
// SIGTERM or SIGHUP before they are finished, so that an interrupted save
// leaves nothing hidden behind. The name must stay valid until forgotten.
// Signals the program already ignores or handles are left as they are.
void RemoveOnSignal(const char* path);
void ForgetRemoveOnSignal(const char* path);

}  // namespace sarovin
