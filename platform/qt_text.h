#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace sarovin {

// The plain modules hold their texts as UTF-8.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Command-line arguments are bytes in no known encoding. Each byte becomes
// the character of the same number, so file names and texts come back byte
// for byte; a parser looks only at dashes, '=' and option names.
inline QString BytesAsText(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string TextAsBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

}  // namespace sarovin
