#include "reading/reading_load.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(LoadReadingBytes(WriteFile(bytes)), bytes);
    EXPECT_EQ(LoadReadingBytes(WriteFile("")), "");
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

TEST_F(LoadReadingBytesTest, RefusesWhatIsNoOrdinaryFile) {
    EXPECT_EQ(LoadReadingBytes(folder / "missing.dri"), std::nullopt);
    EXPECT_EQ(LoadReadingBytes(folder), std::nullopt);
    EXPECT_EQ(LoadReadingBytes(""), std::nullopt);
    if (std::filesystem::exists("/dev/zero")) {
        EXPECT_EQ(LoadReadingBytes("/dev/zero"), std::nullopt);
    }
}

}  // namespace
}  // namespace sarovin
