#include <gtest/gtest.h>

#include <random>

#include "platform/local_path.h"
#include "tests/support/reading_folder.h"

namespace sarovin {
namespace {

// URLs as the desktop's file dialogs and file managers write them: each
// byte of the name that is not plain ASCII as a percent escape.
TEST(LocalPath, AFileUrlGivesTheBytesItEscapes) {
    const std::pair<const char*, std::string> cases[] = {
        {"file:///tmp/x%FF%FE/a%20b.dri", "/tmp/x\xFF\xFE/a b.dri"},      // not UTF-8
        {"file:///tmp/%C3%A9t%C3%A9.dri", "/tmp/\xC3\xA9t\xC3\xA9.dri"},  // UTF-8 é
        {"file:///tmp/caf%E9.dri", "/tmp/caf\xE9.dri"},                   // Latin-1 é
        {"file:///tmp/%2541%23%3F.dri", "/tmp/%41#?.dri"},                // escaped escapes
        {"file://localhost/tmp/a.dri", "/tmp/a.dri"},
        {"file://elsewhere/tmp/a.dri", ""},  // a file on another machine
        {"https://example.org/a.dri", ""},
        {"", ""},
    };
    for (const auto& [url, bytes] : cases) {
        EXPECT_EQ(LocalPathOf(QUrl::fromEncoded(url)).native(), bytes) << url;
    }
}

// Qt's own dialog names files by Qt text, which is UTF-8.
TEST(LocalPath, AUrlMadeFromQtTextGivesItsUtf8) {
    for (const char* name :
         {"/tmp/\xC3\xA9t\xC3\xA9 1980.dri", "/tmp/50% #1?.dri", "/tmp/a+b.dri",
          "/tmp/\xE0\xA4\x89\xE0\xA4\x9C\xE0\xA5\x8D\xE0\xA4\x9C\xE0\xA5\x88.dri"}) {
        EXPECT_EQ(LocalPathOf(QUrl::fromLocalFile(QString::fromUtf8(name))).native(), name);
    }
}

TEST(LocalPath, EveryNameComesBackFromItsUrlByteForByte) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> byte(1, 255);
    std::uniform_int_distribution<int> length(1, 24);
    for (int round = 0; round < 2000; ++round) {
        std::string path;
        for (int part = 0; part < 3; ++part) {
            path += '/';
            for (int count = length(random); count > 0; --count) {
                const char next = static_cast<char>(byte(random));
                path += next == '/' ? 'x' : next;
            }
        }
        const QUrl url = UrlOf(path);
        ASSERT_TRUE(url.isValid()) << path;
        ASSERT_EQ(LocalPathOf(url).native(), path) << url.toEncoded().toStdString();
    }
}

TEST(LocalPath, ARelativePathIsTakenFromTheWorkingFolder) {
    const std::filesystem::path expected = std::filesystem::current_path() / "a\xFF.dri";
    EXPECT_EQ(LocalPathOf(UrlOf("a\xFF.dri")), expected);
    EXPECT_TRUE(UrlOf({}).isEmpty());
}

// What Qt text makes of a name: each byte that is not UTF-8 as U+FFFD.
std::string AsQtShowsIt(const std::filesystem::path& path) {
    return ShownPath(path).toUtf8().toStdString();
}

TEST(LocalPath, APathThroughQtTextIsRecoveredFromTheFolders) {
    const testing::ReadingFolder folder;
    const std::filesystem::path odd = folder.Path() / "Jyoti\xFF\xFE";
    std::filesystem::create_directory(odd);
    std::filesystem::create_directory(folder.Path() / "twin\xFF");
    std::filesystem::create_directory(folder.Path() / "twin\xFE");
    std::filesystem::create_directory(folder.Path() / "real \xEF\xBF\xBD");
    folder.WriteBytes("Jyoti\xFF\xFE/caf\xE9.dri", "reading");
    const std::filesystem::path cases[][2] = {
        // an existing file, and a new one in an odd folder
        {odd / "caf\xE9.dri", odd / "caf\xE9.dri"},
        {odd / "new.dri", odd / "new.dri"},
        // two names Qt shows alike: nothing is guessed
        {folder.Path() / "twin\xFF" / "new.dri", AsQtShowsIt(folder.Path() / "twin\xFF/new.dri")},
        // a name that holds U+FFFD itself
        {folder.Path() / "real \xEF\xBF\xBD" / "a.dri",
         folder.Path() / "real \xEF\xBF\xBD" / "a.dri"},
        // a name no folder holds
        {folder.Path() / "gone\xFF" / "a.dri", AsQtShowsIt(folder.Path() / "gone\xFF/a.dri")},
    };
    for (const auto& [path, expected] : cases) {
        EXPECT_EQ(RecoveredPath(AsQtShowsIt(path)), expected) << path;
    }
}

TEST(LocalPath, ADialogOpensTheNearestFolderQtCanName) {
    const std::pair<std::string, std::string> cases[] = {
        {"/home/r/readings", "/home/r/readings"},
        {"/home/r/\xC3\xA9t\xC3\xA9", "/home/r/\xC3\xA9t\xC3\xA9"},
        {"/home/r\xFF/readings", "/home"},
        {"/home/r/caf\xE9", "/home/r"},
        {"/\xFF", "/"},
        {"caf\xE9", ""},
    };
    for (const auto& [folder, expected] : cases) {
        EXPECT_EQ(NameableFolder(folder).native(), expected) << folder;
    }
}

TEST(LocalPath, AShownPathMarksTheBytesItCannotShow) {
    EXPECT_EQ(ShownPath("/tmp/\xC3\xA9t\xC3\xA9"), QString::fromUtf8("/tmp/\xC3\xA9t\xC3\xA9"));
    EXPECT_EQ(ShownPath("/tmp/x\xFF"), QStringLiteral("/tmp/x\uFFFD"));
}

}  // namespace
}  // namespace sarovin
