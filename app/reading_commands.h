#pragma once

#include <QString>
#include <optional>

#include "engine/birth_record.h"
#include "form/input_form.h"

class QWidget;

namespace sarovin {

class PlatformServices;

// Asks for a path and saves the reading of a calculation there. The file
// is written beside the target and takes its place only when complete, so
// a failed save leaves any older reading intact and says so. `lastPath` is
// offered by the dialog and updated to the chosen path.
void SaveReading(QWidget* parent, PlatformServices& platform, const BirthRecord& record,
                 int zonePosition, QString& lastPath);

// Asks for a reading file and restores it onto `current`; nothing when the
// user cancels or the name does not end in "dri".
std::optional<InputForm> OpenReading(QWidget* parent, PlatformServices& platform,
                                     const InputForm& current);

}  // namespace sarovin
