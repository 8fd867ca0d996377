#include "reading/windows1252.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace sarovin {
namespace {

// Bytes 80 to 9F, where Windows-1252 differs from Latin-1, with the
// characters the Unicode consortium's mapping table CP1252.TXT gives them.
struct AssignedByte {
    unsigned char byte;
    const char* utf8;
    const char* name;
};

const AssignedByte ASSIGNED_BYTES[] = {
    {0x80, "\u20AC", "EURO SIGN"},
    {0x82, "\u201A", "SINGLE LOW-9 QUOTATION MARK"},
    {0x83, "\u0192", "LATIN SMALL LETTER F WITH HOOK"},
    {0x84, "\u201E", "DOUBLE LOW-9 QUOTATION MARK"},
    {0x85, "\u2026", "HORIZONTAL ELLIPSIS"},
    {0x86, "\u2020", "DAGGER"},
    {0x87, "\u2021", "DOUBLE DAGGER"},
    {0x88, "\u02C6", "MODIFIER LETTER CIRCUMFLEX ACCENT"},
    {0x89, "\u2030", "PER MILLE SIGN"},
    {0x8A, "\u0160", "LATIN CAPITAL LETTER S WITH CARON"},
    {0x8B, "\u2039", "SINGLE LEFT-POINTING ANGLE QUOTATION MARK"},
    {0x8C, "\u0152", "LATIN CAPITAL LIGATURE OE"},
    {0x8E, "\u017D", "LATIN CAPITAL LETTER Z WITH CARON"},
    {0x91, "\u2018", "LEFT SINGLE QUOTATION MARK"},
    {0x92, "\u2019", "RIGHT SINGLE QUOTATION MARK"},
    {0x93, "\u201C", "LEFT DOUBLE QUOTATION MARK"},
    {0x94, "\u201D", "RIGHT DOUBLE QUOTATION MARK"},
    {0x95, "\u2022", "BULLET"},
    {0x96, "\u2013", "EN DASH"},
    {0x97, "\u2014", "EM DASH"},
    {0x98, "\u02DC", "SMALL TILDE"},
    {0x99, "\u2122", "TRADE MARK SIGN"},
    {0x9A, "\u0161", "LATIN SMALL LETTER S WITH CARON"},
    {0x9B, "\u203A", "SINGLE RIGHT-POINTING ANGLE QUOTATION MARK"},
    {0x9C, "\u0153", "LATIN SMALL LIGATURE OE"},
    {0x9E, "\u017E", "LATIN SMALL LETTER Z WITH CARON"},
    {0x9F, "\u0178", "LATIN CAPITAL LETTER Y WITH DIAERESIS"},
};

// The five bytes the table leaves undefined. Read as the control character
// of the same number (as the WHATWG encoding standard's windows-1252 index
// and Windows itself read them), every byte of a saved reading keeps a
// character and comes back unchanged when written again.
struct UndefinedByte {
    unsigned char byte;
    const char* utf8;  // the C1 control character U+0081 and so on
};

const UndefinedByte UNDEFINED_BYTES[] = {
    {0x81, "\xC2\x81"}, {0x8D, "\xC2\x8D"}, {0x8F, "\xC2\x8F"},
    {0x90, "\xC2\x90"}, {0x9D, "\xC2\x9D"},
};

std::string Byte(unsigned char byte) {
    return std::string(1, static_cast<char>(byte));
}

TEST(Windows1252UpperControls, EveryAssignedByteDecodesToItsCharacter) {
    ASSERT_EQ(std::size(ASSIGNED_BYTES), 27u);
    for (const AssignedByte& c : ASSIGNED_BYTES) {
        EXPECT_EQ(DecodeWindows1252(Byte(c.byte)), c.utf8) << c.name;
        // Between other characters, so a decoder that took the wrong number
        // of bytes or wrote a wrong length would show it.
        EXPECT_EQ(DecodeWindows1252("a" + Byte(c.byte) + "z"), std::string("a") + c.utf8 + "z")
            << c.name;
    }
}

TEST(Windows1252UpperControls, EveryAssignedCharacterEncodesToItsByte) {
    for (const AssignedByte& c : ASSIGNED_BYTES) {
        EXPECT_EQ(EncodeWindows1252(c.utf8), Byte(c.byte)) << c.name;
        EXPECT_EQ(EncodeWindows1252(std::string("a") + c.utf8 + "z"), "a" + Byte(c.byte) + "z")
            << c.name;
    }
}

TEST(Windows1252UpperControls, TheWholeRowDecodesAndEncodesInOrder) {
    std::string bytes;
    std::string utf8;
    for (const AssignedByte& c : ASSIGNED_BYTES) {
        bytes += Byte(c.byte);
        utf8 += c.utf8;
    }
    EXPECT_EQ(DecodeWindows1252(bytes), utf8);
    EXPECT_EQ(EncodeWindows1252(utf8), bytes);
}

TEST(Windows1252UpperControls, UndefinedBytesStandForTheControlOfTheSameNumber) {
    for (const UndefinedByte& c : UNDEFINED_BYTES) {
        const int number = c.byte;
        EXPECT_EQ(DecodeWindows1252(Byte(c.byte)), c.utf8) << number;
        EXPECT_EQ(EncodeWindows1252(c.utf8), Byte(c.byte)) << number;
        EXPECT_EQ(EncodeWindows1252(DecodeWindows1252("x" + Byte(c.byte) + "y")),
                  "x" + Byte(c.byte) + "y")
            << number;
    }
}

// The other 27 control characters U+0080 to U+009F have no byte of their
// own in Windows-1252: their numbers belong to the characters above, so
// writing one as its own number would read back as, say, a dagger.
TEST(Windows1252UpperControls, ControlsWhoseNumberIsTakenHaveNoByte) {
    for (const AssignedByte& c : ASSIGNED_BYTES) {
        const std::string control = {'\xC2', static_cast<char>(c.byte)};
        EXPECT_EQ(EncodeWindows1252(control), "?") << "U+00" << std::hex << int{c.byte};
    }
}

}  // namespace
}  // namespace sarovin
