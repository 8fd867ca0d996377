#include "app/shell/reading_commands.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include "platform/platform_services.h"
#include "platform/qt_text.h"
#include "platform/replacing_file.h"
#include "reading/reading_file.h"

namespace sarovin {

namespace {

const QString RECENT_KEY = QStringLiteral("readings/recent");

const QString READING_FILTER = QStringLiteral("Sarovin (*.dri)");
const QString READING_SUFFIX = QStringLiteral("dri");

bool WriteWhole(ReplacingFile& file, const std::string& bytes) {
    const auto expected = static_cast<qint64>(bytes.size());
    return file.Open() && file.write(bytes.data(), expected) == expected && file.Commit();
}

// The folder a reading was saved to or opened from.
std::filesystem::path FolderOf(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::absolute(path, error).lexically_normal().parent_path();
}

}  // namespace

std::vector<std::filesystem::path> LoadRecentReadings() {
    std::vector<std::filesystem::path> recent;
    for (const QVariant& path : QSettings().value(RECENT_KEY).toList()) {
        if (recent.size() < RECENT_READINGS) {
            recent.emplace_back(path.toByteArray().toStdString());
        }
    }
    return recent;
}

void RememberReading(ReadingPlaces& places, const std::filesystem::path& path) {
    std::erase(places.recent, path);
    places.recent.insert(places.recent.begin(), path);
    if (places.recent.size() > RECENT_READINGS) {
        places.recent.resize(RECENT_READINGS);
    }
    // File names are kept as bytes: they need not be UTF-8.
    QVariantList kept;
    for (const std::filesystem::path& reading : places.recent) {
        kept << QByteArray::fromStdString(reading.native());
    }
    QSettings().setValue(RECENT_KEY, kept);
}

std::filesystem::path DialogStartFolder(const ReadingPlaces& places) {
    if (!places.lastFolder.empty()) {
        return places.lastFolder;
    }
    return QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .toStdString();
}

void SaveReading(QWidget* parent, PlatformServices& platform, const BirthRecord& record,
                 int zonePosition, const std::optional<GivenPositions>& given,
                 ReadingPlaces& places) {
    const std::filesystem::path path = platform.ChooseFileToSave(
        parent, {ToQString(APPLICATION_TITLE), READING_FILTER, READING_SUFFIX, places.lastSavePath,
                 DialogStartFolder(places)});
    if (path.empty()) {
        return;
    }
    places.lastSavePath = path;
    places.lastFolder = FolderOf(path);
    ReplacingFile file(path);
    const std::string bytes =
        given ? WriteReadingWithPositions(record, zonePosition, GivenPositionsText(*given))
              : WriteReading(record, zonePosition);
    if (!WriteWhole(file, bytes)) {
        platform.ShowMessage(parent,
                             ToQString(SaveFailureMessage("The reading could not be saved.", file)),
                             MessageIcon::Error);
        return;
    }
    RememberReading(places, path);
}

std::filesystem::path AskForReadingPath(QWidget* parent, PlatformServices& platform,
                                        const ReadingPlaces& places) {
    return platform.ChooseFileToOpen(parent, {QStringLiteral("Select the source file"),
                                              READING_FILTER,
                                              READING_SUFFIX,
                                              {},
                                              DialogStartFolder(places)});
}

std::filesystem::path AskForComparedReadingPath(QWidget* parent, PlatformServices& platform,
                                                const ReadingPlaces& places) {
    return platform.ChooseFileToOpen(parent, {QStringLiteral("Compare With a Saved Reading"),
                                              READING_FILTER,
                                              READING_SUFFIX,
                                              {},
                                              DialogStartFolder(places)});
}

std::optional<std::string> AskForReadingBytes(QWidget* parent, PlatformServices& platform,
                                              ReadingPlaces& places) {
    const std::filesystem::path path = AskForReadingPath(parent, platform, places);
    if (path.empty()) {
        return std::nullopt;
    }
    return ReadingBytesAt(parent, platform, path, places);
}

namespace {

// The bytes of the reading at `path`, or why they cannot be had; nothing
// when the name is not a reading's, which is said.
std::optional<Result<std::string>> LoadChosenReading(QWidget* parent, PlatformServices& platform,
                                                     const std::filesystem::path& path,
                                                     ReadingPlaces& places) {
    places.lastFolder = FolderOf(path);
    if (!HasReadingExtension(path.native())) {
        platform.ShowMessage(parent, ToQString(WRONG_FILE_NAME_MESSAGE), MessageIcon::Error);
        return std::nullopt;
    }
    Result<std::string> bytes = LoadReadingBytes(path);
    if (bytes) {
        RememberReading(places, path);
    }
    return bytes;
}

}  // namespace

std::optional<std::string> ReadingBytesAt(QWidget* parent, PlatformServices& platform,
                                          const std::filesystem::path& path,
                                          ReadingPlaces& places) {
    std::optional<Result<std::string>> bytes = LoadChosenReading(parent, platform, path, places);
    if (!bytes) {
        return std::nullopt;
    }
    // A file that cannot be read counts as a file of no lines.
    return *bytes ? std::move(**bytes) : std::string();
}

std::optional<std::string> ComparedReadingBytesAt(QWidget* parent, PlatformServices& platform,
                                                  const std::filesystem::path& path,
                                                  ReadingPlaces& places) {
    std::optional<Result<std::string>> bytes = LoadChosenReading(parent, platform, path, places);
    if (!bytes) {
        return std::nullopt;
    }
    if (!*bytes) {
        platform.ShowMessage(parent,
                             BytesAsText(path.filename().native()) + QStringLiteral(": ") +
                                 ToQString(bytes->refusal().message),
                             bytes->refusal().icon);
        return std::nullopt;
    }
    return std::move(**bytes);
}

bool IsReadingStillThere(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace sarovin
