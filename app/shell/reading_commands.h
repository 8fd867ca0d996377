#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "calculation/given_positions.h"
#include "engine/birth_record.h"

class QWidget;

namespace sarovin {

class PlatformServices;

// Where readings were last saved to or opened from: the last saved path,
// which the save dialog offers, and the folder both dialogs start in (the
// user's documents folder until a reading is saved or opened).
struct ReadingPlaces {
    std::filesystem::path lastSavePath;
    std::filesystem::path lastFolder;
    // The readings last opened or saved, the latest first, kept between
    // sessions.
    std::vector<std::filesystem::path> recent;
};

// How many readings the File menu lists as recent.
inline constexpr std::size_t RECENT_READINGS = 6;

// The recent readings kept from the last session.
std::vector<std::filesystem::path> LoadRecentReadings();

// Puts `path` first among the recent readings, once, and keeps the list.
void RememberReading(ReadingPlaces& places, const std::filesystem::path& path);

// The folder the file dialogs start in: where a reading was last saved or
// opened, else the user's documents folder.
std::filesystem::path DialogStartFolder(const ReadingPlaces& places);

// Asks for a path and saves the reading of a calculation there. The file
// is written beside the target and takes its place only when complete, so
// a failed save leaves any older reading intact and says so.
void SaveReading(QWidget* parent, PlatformServices& platform, const BirthRecord& record,
                 int zonePosition, const std::optional<GivenPositions>& given,
                 ReadingPlaces& places);

// Asks for a reading file to open; an empty path when the user cancels.
std::filesystem::path AskForReadingPath(QWidget* parent, PlatformServices& platform,
                                        const ReadingPlaces& places);

// Asks, in a dialog titled for it, for the reading to compare the chart on
// show with; an empty path when the user cancels.
std::filesystem::path AskForComparedReadingPath(QWidget* parent, PlatformServices& platform,
                                                const ReadingPlaces& places);

// Asks for a reading file and gives its bytes; nothing when the user
// cancels or the name does not end in "dri" (which is said). A file that
// cannot be read counts as a file of no lines.
std::optional<std::string> AskForReadingBytes(QWidget* parent, PlatformServices& platform,
                                              ReadingPlaces& places);

// The bytes of the reading at `path`, as AskForReadingBytes gives those of
// the chosen file.
std::optional<std::string> ReadingBytesAt(QWidget* parent, PlatformServices& platform,
                                          const std::filesystem::path& path, ReadingPlaces& places);

// The bytes of the reading at `path` for a comparison, which has no panel
// to fall back on: as ReadingBytesAt, but a file that cannot be read (a
// FIFO, a folder, a device, a missing file) is refused with why, "fifo.dri:
// Cannot read the file. It is not an ordinary file.", as the report tool
// says it.
std::optional<std::string> ComparedReadingBytesAt(QWidget* parent, PlatformServices& platform,
                                                  const std::filesystem::path& path,
                                                  ReadingPlaces& places);

// False for a recent reading that is no longer an ordinary file: deleted,
// or a folder, FIFO or device in its place.
bool IsReadingStillThere(const std::filesystem::path& path);

}  // namespace sarovin
