#include "atlas/search_key.h"

#include <gtest/gtest.h>

namespace sarovin {
namespace {

struct KeyCase {
    const char* text;
    const char* key;
};

// Expected keys follow the Unicode decompositions of the letters (é is e
// with an acute accent) and the usual Latin transliterations of the letters
// that have none (ł is l, ø is o, ß is ss).
TEST(SearchKey, LatinLettersLoseCaseAndMarks) {
    const KeyCase cases[] = {
        {"Ujjain", "ujjain"},
        {"UJJAIN", "ujjain"},
        {"São Paulo", "sao paulo"},
        {"Zürich", "zurich"},
        {"Łódź", "lodz"},
        {"Tromsø", "tromso"},
        {"Đà Nẵng", "da nang"},
        {"Kırıkkale", "kirikkale"},
        {"Gəncə", "gence"},
        {"Ṭhāṇe", "thane"},
        {"Straße", "strasse"},
        {"Æbeltoft", "aebeltoft"},
        {"Sa\u0303o Paulo", "sao paulo"},
    };
    for (const KeyCase& c : cases) {
        EXPECT_EQ(SearchKey(c.text), c.key) << c.text;
    }
}

TEST(SearchKey, PunctuationBecomesSingleSpacesAndApostrophesVanish) {
    const KeyCase cases[] = {
        {"Saint-Étienne", "saint etienne"},   {"Hann. Münden", "hann munden"},
        {"  New   York  ", "new york"},       {"K’olīto", "kolito"},
        {"Yirga ‘Alem", "yirga alem"},        {"Ma'alot", "maalot"},
        {"Port-au-Prince", "port au prince"},
    };
    for (const KeyCase& c : cases) {
        EXPECT_EQ(SearchKey(c.text), c.key) << c.text;
    }
}

TEST(SearchKey, CommasSeparatePartsOnce) {
    const KeyCase cases[] = {
        {"London,Ontario", "london, ontario"},
        {"London , Ontario ,Canada", "london, ontario, canada"},
        {", London,, Ontario,", "london, ontario"},
        {",", ""},
    };
    for (const KeyCase& c : cases) {
        EXPECT_EQ(SearchKey(c.text), c.key) << c.text;
    }
}

TEST(SearchKey, OtherScriptsAreKeptAsWritten) {
    EXPECT_EQ(SearchKey("Москва"), "Москва");
    EXPECT_EQ(SearchKey("उज्जैन"), "उज्जैन");
}

TEST(SearchKey, EmptyAndMalformedText) {
    EXPECT_EQ(SearchKey(""), "");
    EXPECT_EQ(SearchKey("   "), "");
    EXPECT_EQ(SearchKey("Ujj\xFF"
                        "ain"),
              "ujj ain");
    EXPECT_EQ(SearchKey("Ujj\xC3"), "ujj");
}

}  // namespace
}  // namespace sarovin
