#include <gtest/gtest.h>

#include "app/shell/window_arguments.h"

namespace sarovin {
namespace {

// The reading is named by the bytes given, whatever they are.
TEST(WindowArguments, TheReadingIsTheFirstNameGivenByteForByte) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"sarovin", ""}, ""},
        {{"sarovin", "asha.dri"}, "asha.dri"},
        {{"sarovin", "/home/r\xFF\xFE/caf\xE9.dri"}, "/home/r\xFF\xFE/caf\xE9.dri"},
        {{"sarovin", "/tmp/\xC3\xA9t\xC3\xA9 1980.dri"}, "/tmp/\xC3\xA9t\xC3\xA9 1980.dri"},
        {{"sarovin", "first.dri", "second.dri"}, "first.dri"},
        {{"sarovin", "--", "-dash.dri"}, "-dash.dri"},
    };
    for (const auto& [arguments, expected] : cases) {
        const std::optional<std::filesystem::path> reading = ReadingArgument(arguments);
        ASSERT_TRUE(reading) << arguments.back();
        EXPECT_EQ(reading->native(), expected) << arguments.back();
    }
    EXPECT_FALSE(ReadingArgument({"sarovin"}));
}

}  // namespace
}  // namespace sarovin
