#pragma once

#include <QString>
#include <QUrl>
#include <filesystem>

namespace sarovin {

// File names are the system's own bytes, in no known encoding. Qt's texts
// hold them as UTF-8 and turn any other byte into U+FFFD, so a folder whose
// name is not UTF-8 could not be reached again. Paths therefore travel as
// std::filesystem::path, and through Qt as file URLs, whose percent escapes
// keep every byte.

// The local file a URL names, byte for byte; empty when it names none.
std::filesystem::path LocalPathOf(const QUrl& url);

// The file URL of a local path, with each byte that is not plain ASCII,
// and each character a URL reserves, escaped, so LocalPathOf gives the same
// bytes back.
QUrl UrlOf(const std::filesystem::path& path);

// Qt's own dialog, and some desktop dialogs, give names back through Qt
// text, where every byte that is not UTF-8 has become U+FFFD. A part of the
// path that holds U+FFFD names the file of that very name when there is
// one; else it stands for the one name in its folder that Qt shows so. With
// no such name, or more than one, the part is left as it is and the path
// names no file.
std::filesystem::path RecoveredPath(const std::filesystem::path& path);

// The folder itself when Qt text can name it, else its nearest parent that
// can: a dialog cannot open a folder it cannot name, and in the parent the
// user sees it.
std::filesystem::path NameableFolder(std::filesystem::path folder);

// A path's bytes as Qt text, for showing and for Qt's own file names; bytes
// that are not UTF-8 are lost here, so it never names a file again.
QString ShownPath(const std::filesystem::path& path);

}  // namespace sarovin
