#include "platform/local_path.h"

#include <QFile>
#include <string_view>

namespace sarovin {

namespace {

constexpr char SEPARATOR[] = "/";
// U+FFFD in UTF-8: what Qt puts for bytes it cannot read.
constexpr std::string_view REPLACEMENT = "\xEF\xBF\xBD";

QByteArray BytesOf(const std::filesystem::path& path) {
    const std::string& bytes = path.native();
    return {bytes.data(), static_cast<qsizetype>(bytes.size())};
}

// The one name in `folder` that Qt shows as `shown`, or `shown` itself.
std::filesystem::path NameShownAs(const std::filesystem::path& folder,
                                  const std::filesystem::path& shown) {
    std::error_code error;
    std::filesystem::path found;
    int matches = 0;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::filesystem::path name = entry->path().filename();
        if (QFile::decodeName(BytesOf(name)).toUtf8() == BytesOf(shown)) {
            found = name;
            ++matches;
        }
    }
    return matches == 1 ? found : shown;
}

}  // namespace

std::filesystem::path LocalPathOf(const QUrl& url) {
    // A file on another machine is not a local path.
    const QString host = url.host();
    if (!url.isLocalFile() || !(host.isEmpty() || host == QStringLiteral("localhost"))) {
        return {};
    }
    return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
}

QUrl UrlOf(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (path.empty() || error) {
        return {};
    }
    return QUrl::fromEncoded("file://" + BytesOf(absolute).toPercentEncoding(SEPARATOR),
                             QUrl::StrictMode);
}

std::filesystem::path RecoveredPath(const std::filesystem::path& path) {
    if (path.native().find(REPLACEMENT) == std::string::npos) {
        return path;
    }
    std::filesystem::path recovered;
    for (const std::filesystem::path& part : path) {
        std::error_code error;
        const bool unclear = part.native().find(REPLACEMENT) != std::string::npos &&
                             !std::filesystem::exists(recovered / part, error);
        recovered /= unclear ? NameShownAs(recovered, part) : part;
    }
    return recovered;
}

std::filesystem::path NameableFolder(std::filesystem::path folder) {
    while (folder.has_relative_path() && QFile::encodeName(ShownPath(folder)) != BytesOf(folder)) {
        folder = folder.parent_path();
    }
    return folder;
}

QString ShownPath(const std::filesystem::path& path) {
    return QFile::decodeName(BytesOf(path));
}

}  // namespace sarovin
