#pragma once

#include <QString>

namespace sarovin {

// `path` as a folder that belongs to this user alone: made (mode 0700, with
// any missing folder above it) when missing, then accepted only when it is
// a real folder, not a link, owned by this user, with no access for group
// or others, that the user may write. Empty when it is not.
QString PrivateFolder(const QString& path);

// The folder for the single-instance lock: the session's runtime folder,
// else a folder of the user's own under the system's temporary folder, else
// one under the user's cache folder; the first of them that is private.
// Empty when none is, and then no lock is kept.
QString LockFolder();

}  // namespace sarovin
