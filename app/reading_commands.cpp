#include "app/reading_commands.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <csignal>
#include <filesystem>

#include "platform/platform_services.h"
#include "platform/qt_text.h"
#include "reading/reading_file.h"

namespace sarovin {

namespace {

const QString READING_FILTER = QStringLiteral("Sarovin (*.dri)");
const QString READING_SUFFIX = QStringLiteral("dri");

// A short write (a full disk, a file size limit) can go unreported by the
// buffered device, so the size on disk is checked before the file replaces
// the target.
bool WriteWhole(const QString& path, const std::string& bytes) {
    // Past the file-size limit the system would end the program with
    // SIGXFSZ; ignored, the write fails instead and is reported.
    std::signal(SIGXFSZ, SIG_IGN);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const auto expected = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), expected) != expected || !file.flush() ||
        file.size() != expected) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::filesystem::path LocalPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

QString DialogStartFolder(const ReadingPlaces& places) {
    return places.lastFolder.isEmpty()
               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
               : places.lastFolder;
}

void SaveReading(QWidget* parent, PlatformServices& platform, const BirthRecord& record,
                 int zonePosition, ReadingPlaces& places) {
    const QString path = platform.ChooseFileToSave(
        parent, {ToQString(APPLICATION_TITLE), READING_FILTER, READING_SUFFIX, places.lastSavePath,
                 DialogStartFolder(places)});
    if (path.isEmpty()) {
        return;
    }
    places.lastSavePath = path;
    places.lastFolder = QFileInfo(path).absolutePath();
    if (!WriteWhole(path, WriteReading(record, zonePosition))) {
        platform.ShowMessage(parent, QStringLiteral("The reading could not be saved."),
                             MessageIcon::Error);
    }
}

std::optional<std::string> AskForReadingBytes(QWidget* parent, PlatformServices& platform,
                                              ReadingPlaces& places) {
    const QString path =
        platform.ChooseFileToOpen(parent, {QStringLiteral("Select the source file"),
                                           READING_FILTER,
                                           READING_SUFFIX,
                                           {},
                                           DialogStartFolder(places)});
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return ReadingBytesAt(parent, platform, path, places);
}

std::optional<std::string> ReadingBytesAt(QWidget* parent, PlatformServices& platform,
                                          const QString& path, ReadingPlaces& places) {
    places.lastFolder = QFileInfo(path).absolutePath();
    if (!HasReadingExtension(path.toStdString())) {
        platform.ShowMessage(parent, ToQString(WRONG_FILE_NAME_MESSAGE), MessageIcon::Error);
        return std::nullopt;
    }
    // A file that cannot be read counts as a file of no lines.
    Result<std::string> bytes = LoadReadingBytes(LocalPath(path));
    return bytes ? std::move(*bytes) : std::string();
}

}  // namespace sarovin
