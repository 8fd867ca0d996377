#include "atlas/search_key.h"

#include <algorithm>
#include <array>
#include <utility>

namespace sarovin {

namespace {

// The base letter of each code point from U+00C0 to U+024F in lower case,
// from its Unicode decomposition or, for letters with a stroke, bar or hook
// (ø, đ, ł, ı, ħ, ƒ ...), the letter it is written with; '*' where it reads
// as two letters (OTHER_FOLDS) and '.' where it has no Latin base and is
// kept as written.
constexpr std::string_view LATIN_1_TO_EXTENDED_B_BASES =
    "aaaaaa*ceeeeiiiidnooooo.ouuuuy**"  // U+00C0
    "aaaaaa*ceeeeiiiidnooooo.ouuuuy*y"  // U+00E0
    "aaaaaaccccccccddddeeeeeeeeeegggg"  // U+0100
    "gggghhhhiiiiiiiiii**jjkk.lllllll"  // U+0120
    "lllnnnnnnn..oooooo**rrrrrrssssss"  // U+0140
    "ssttttttuuuuuuuuuuuuwwyyyzzzzzzs"  // U+0160
    "bbbbbboccdddd.eeeffgg.iikkl.mnno"  // U+0180
    "oo..pprsss.ttttuuuvyyzzzzzz.55.."  // U+01A0
    ".............aaiioouuuuuuuuuueaa"  // U+01C0
    "aa....ggkkoooozzj...gg..nnaa...."  // U+01E0
    "aaaaeeeeiiiioooorrrruuuussttyyhh"  // U+0200
    "nd..zzaaeeooooooooyylntj..acclts"  // U+0220
    "z..bu.eejjqqrryy";                 // U+0240
constexpr char32_t LATIN_1_FIRST = 0x00C0;
static_assert(LATIN_1_TO_EXTENDED_B_BASES.size() == 0x0250 - LATIN_1_FIRST);

// The same for the Latin Extended Additional block, U+1E00 to U+1EFF, which
// holds the Vietnamese letters and the dotted and underlined letters of
// transliterated Indian and Arabic names (ḍ, ḥ, ṅ, ṭ ...).
constexpr std::string_view LATIN_EXTENDED_ADDITIONAL_BASES =
    "aabbbbbbccddddddddddeeeeeeeeeeff"   // U+1E00
    "gghhhhhhhhhhiiiikkkkkkllllllllmm"   // U+1E20
    "mmmmnnnnnnnnoooooooopppprrrrrrrr"   // U+1E40
    "ssssssssssttttttttuuuuuuuuuuvvvv"   // U+1E60
    "wwwwwwwwwwxxxxyyzzzzzzhtwyas..*."   // U+1E80
    "aaaaaaaaaaaaaaaaaaaaaaaaeeeeeeee"   // U+1EA0
    "eeeeeeeeiiiioooooooooooooooooooo"   // U+1EC0
    "oooouuuuuuuuuuuuuuyyyyyyyy......";  // U+1EE0
constexpr char32_t LATIN_EXTENDED_ADDITIONAL_FIRST = 0x1E00;
static_assert(LATIN_EXTENDED_ADDITIONAL_BASES.size() == 0x1F00 - LATIN_EXTENDED_ADDITIONAL_FIRST);

struct Fold {
    char32_t codePoint;
    std::string_view letters;
};

// Letters that read as two Latin letters, and the schwa of Azerbaijani
// names, which lies outside the blocks above.
constexpr std::array<Fold, 11> OTHER_FOLDS = {{
    {0x00C6, "ae"},
    {0x00DE, "th"},
    {0x00DF, "ss"},
    {0x00E6, "ae"},
    {0x00FE, "th"},
    {0x0132, "ij"},
    {0x0133, "ij"},
    {0x0152, "oe"},
    {0x0153, "oe"},
    {0x0259, "e"},
    {0x1E9E, "ss"},
}};

// Apostrophes, and the turned commas and ʻokina that transliterations use
// for glottal stops, vanish so that "Ma'alot" and "Maalot" meet.
constexpr std::array<char32_t, 7> DROPPED = {U'\'', U'`', 0x00B4, 0x02BB, 0x02BC, 0x2018, 0x2019};

constexpr char32_t COMBINING_MARKS_FIRST = 0x0300;
constexpr char32_t COMBINING_MARKS_LAST = 0x036F;
constexpr char32_t GENERAL_PUNCTUATION_FIRST = 0x2000;
constexpr char32_t GENERAL_PUNCTUATION_LAST = 0x206F;
constexpr char32_t MALFORMED = 0xFFFD;

struct Decoded {
    char32_t codePoint;
    std::size_t length;
};

// The first code point of UTF-8 text; a malformed byte stands alone as
// U+FFFD.
Decoded DecodeFirst(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 1;
    char32_t codePoint = lead;
    if (lead >= 0xF0 && lead < 0xF8) {
        length = 4;
        codePoint = lead & 0x07;
    } else if (lead >= 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
    } else if (lead >= 0xC2) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0x80) {
        return {MALFORMED, 1};
    }
    if (length > text.size()) {
        return {MALFORMED, 1};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) {
            return {MALFORMED, 1};
        }
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    return {codePoint, length};
}

bool IsDropped(char32_t c) {
    return std::find(DROPPED.begin(), DROPPED.end(), c) != DROPPED.end() ||
           (c >= COMBINING_MARKS_FIRST && c <= COMBINING_MARKS_LAST);
}

bool IsSeparator(char32_t c) {
    const bool asciiLetterOrDigit =
        (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9');
    return (c < 0x80 && !asciiLetterOrDigit) || (c >= 0x80 && c < LATIN_1_FIRST) ||
           (c >= GENERAL_PUNCTUATION_FIRST && c <= GENERAL_PUNCTUATION_LAST) || c == MALFORMED;
}

// Every ASCII character once, so that one folded letter can be handed out
// as a view.
constexpr auto ASCII_CHARACTERS = [] {
    std::array<char, 0x80> characters{};
    for (std::size_t i = 0; i < characters.size(); ++i) {
        characters[i] = static_cast<char>(i);
    }
    return characters;
}();

std::string_view AsciiLetter(char c) {
    return {&ASCII_CHARACTERS[static_cast<unsigned char>(c)], 1};
}

// The base letter from a table of one character per code point; '.' when
// there is none.
char BaseIn(std::string_view bases, char32_t first, char32_t c) {
    if (c < first || c - first >= bases.size()) {
        return '.';
    }
    return bases[c - first];
}

// The letters a code point contributes; empty when it is kept as written.
std::string_view FoldedLetters(char32_t c) {
    if (c < 0x80) {
        return AsciiLetter(static_cast<char>(c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c));
    }
    for (const Fold& fold : OTHER_FOLDS) {
        if (fold.codePoint == c) {
            return fold.letters;
        }
    }
    char base = BaseIn(LATIN_1_TO_EXTENDED_B_BASES, LATIN_1_FIRST, c);
    if (base == '.') {
        base = BaseIn(LATIN_EXTENDED_ADDITIONAL_BASES, LATIN_EXTENDED_ADDITIONAL_FIRST, c);
    }
    return base == '.' ? std::string_view{} : AsciiLetter(base);
}

// Gathers a key word by word: spaces and commas wait for the next letter,
// so none lead, trail or repeat.
class KeyBuilder {
  public:
    void AddLetters(std::string_view letters) {
        if (!key_.empty()) {
            if (pendingComma_) {
                key_ += ", ";
            } else if (pendingSpace_) {
                key_ += ' ';
            }
        }
        pendingComma_ = pendingSpace_ = false;
        key_ += letters;
    }
    void AddSeparator() { pendingSpace_ = true; }
    void AddComma() { pendingComma_ = true; }
    std::string Take() { return std::move(key_); }

  private:
    std::string key_;
    bool pendingSpace_ = false;
    bool pendingComma_ = false;
};

void AddCodePoint(KeyBuilder& builder, char32_t c, std::string_view written) {
    if (IsDropped(c)) {
        return;
    }
    if (c == U',') {
        builder.AddComma();
    } else if (IsSeparator(c)) {
        builder.AddSeparator();
    } else {
        const std::string_view folded = FoldedLetters(c);
        builder.AddLetters(folded.empty() ? written : folded);
    }
}

}  // namespace

std::string SearchKey(std::string_view text) {
    KeyBuilder builder;
    while (!text.empty()) {
        const Decoded decoded = DecodeFirst(text);
        AddCodePoint(builder, decoded.codePoint, text.substr(0, decoded.length));
        text.remove_prefix(decoded.length);
    }
    return builder.Take();
}

}  // namespace sarovin
