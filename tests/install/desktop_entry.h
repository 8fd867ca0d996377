#pragma once

#include <QHash>
#include <QString>

namespace sarovin::testing {

// The keys and values of the [Desktop Entry] group of a desktop file; empty
// when the file cannot be read.
QHash<QString, QString> ReadDesktopEntry(const QString& path);

}  // namespace sarovin::testing
