#include "reading/reading_load.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <random>

namespace sarovin {
namespace {

TEST(HasReadingExtension, AcceptsOnlyLowerCaseDri) {
    const std::pair<const char*, bool> cases[] = {
        {"a.dri", true},  {"dri", true}, {"/x/b c.dri", true}, {"a.DRI", false},
        {"a.Dri", false}, {"", false},   {"a.dr", false},      {"a.dri ", false},
    };
    for (const auto& [path, accepted] : cases) {
        EXPECT_EQ(HasReadingExtension(path), accepted) << path;
    }
}

class LoadReadingBytesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("sarovin_reading_" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path WriteFile(const std::string& bytes) {
        const std::filesystem::path path = folder / "sample.dri";
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::filesystem::path folder;
};

TEST_F(LoadReadingBytesTest, ReadsASmallFileWhole) {
    const std::string bytes("\xB8\xB7\0\r\n", 5);
    EXPECT_EQ(LoadReadingBytes(WriteFile(bytes)).value(), bytes);
    EXPECT_EQ(LoadReadingBytes(WriteFile("")).value(), "");
}

TEST_F(LoadReadingBytesTest, StopsAtTheLimit) {
    const std::size_t sizes[] = {MAX_READING_BYTES - 1, MAX_READING_BYTES, MAX_READING_BYTES + 1,
                                 1024 * 1024};
    for (const std::size_t size : sizes) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i) {
            bytes[i] = static_cast<char>(i * 7);
        }
        const auto loaded = LoadReadingBytes(WriteFile(bytes));
        ASSERT_TRUE(loaded.has_value()) << size;
        EXPECT_EQ(*loaded, bytes.substr(0, MAX_READING_BYTES)) << size;
    }
    EXPECT_EQ(MAX_READING_BYTES, 65536u);
}

TEST_F(LoadReadingBytesTest, SaysWhyWhatIsNoOrdinaryFileIsRefused) {
    ASSERT_EQ(::mkfifo((folder / "pipe.dri").c_str(), 0600), 0);
    const std::pair<std::filesystem::path, const char*> cases[] = {
        {folder / "missing.dri", "Cannot read the file. No such file or directory"},
        {folder, "Cannot read the file. It is not an ordinary file."},
        {"", "Cannot read the file. No such file or directory"},
        // A FIFO with no writer: opened without blocking and then refused.
        {folder / "pipe.dri", "Cannot read the file. It is not an ordinary file."},
        {"/dev/zero", "Cannot read the file. It is not an ordinary file."},
    };
    for (const auto& [path, message] : cases) {
        const Result<std::string> loaded = LoadReadingBytes(path);
        ASSERT_FALSE(loaded) << path;
        EXPECT_EQ(loaded.refusal().message, message) << path;
    }
}

}  // namespace
}  // namespace sarovin
