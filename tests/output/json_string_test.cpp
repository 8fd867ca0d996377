#include "output/json_string.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

namespace sarovin {
namespace {

std::string Escaped(std::string_view text) {
    std::string json;
    AppendJsonString(json, text);
    return json;
}

// How QJsonDocument writes a one-character text, without the brackets.
std::string QtEscaped(char16_t character) {
    const QByteArray array =
        QJsonDocument(QJsonArray{QString(QChar(character))}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2).toStdString();
}

TEST(AppendJsonString, WritesEveryControlCharacterAsQtDoes) {
    for (char16_t control = 0; control < 0x20; ++control) {
        EXPECT_EQ(Escaped(std::string(1, static_cast<char>(control))), QtEscaped(control))
            << static_cast<int>(control);
    }
    EXPECT_EQ(Escaped("\b\t\n\f\r"), "\"\\b\\t\\n\\f\\r\"");
    EXPECT_EQ(Escaped(std::string_view("\0\x1f", 2)), "\"\\u0000\\u001f\"");
}

TEST(AppendJsonString, EscapesQuotesAndBackslashesOnly) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"", "\"\""},
        {"Asha \"Ash\" Rao", "\"Asha \\\"Ash\\\" Rao\""},
        {"C:\\path\\", "\"C:\\\\path\\\\\""},
        {"a/b", "\"a/b\""},
        {"\x7f", "\"\x7f\""},
    };
    for (const auto& [text, json] : cases) {
        EXPECT_EQ(Escaped(text), json) << text;
    }
}

// Well-formed UTF-8 is copied; every byte outside a well-formed sequence
// becomes a lone low surrogate carrying its value.
TEST(AppendJsonString, CopiesValidUtf8AndEscapesEachUndecodableByte) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"Zo\xC3\xAB", "\"Zo\xC3\xAB\""},                          // ë
        {"\xE0\xA4\x89", "\"\xE0\xA4\x89\""},                      // Devanagari U
        {"\xF0\x9F\x98\x80", "\"\xF0\x9F\x98\x80\""},              // an emoji
        {"\xC2\x9B", "\"\xC2\x9B\""},                              // C1 control, valid
        {"\xEF\xBF\xBF", "\"\xEF\xBF\xBF\""},                      // U+FFFF
        {"\xF4\x8F\xBF\xBF", "\"\xF4\x8F\xBF\xBF\""},              // U+10FFFF
        {"caf\xE9", "\"caf\\udce9\""},                             // Latin-1 é
        {"\xFF\xFE", "\"\\udcff\\udcfe\""},                        // never in UTF-8
        {"a\xC3(", "\"a\\udcc3(\""},                               // lead without its tail
        {"\xC0\xAF", "\"\\udcc0\\udcaf\""},                        // overlong '/'
        {"\xE0\x80\xAF", "\"\\udce0\\udc80\\udcaf\""},             // overlong '/'
        {"\xED\xA0\x80", "\"\\udced\\udca0\\udc80\""},             // encoded surrogate
        {"\xF4\x90\x80\x80", "\"\\udcf4\\udc90\\udc80\\udc80\""},  // past U+10FFFF
        {"end\xE2\x82", "\"end\\udce2\\udc82\""},                  // cut short
        {"\x80x", "\"\\udc80x\""},                                 // lone continuation
        // Unicode's Table 3-7 of well-formed sequences at its four-byte edges
        {"\xF0\x90\x80\x80", "\"\xF0\x90\x80\x80\""},              // U+10000, the first
        {"\xF0\x8F\xBF\xBF", "\"\\udcf0\\udc8f\\udcbf\\udcbf\""},  // overlong U+FFFF
        {"\xF0\x80\x80\xAF", "\"\\udcf0\\udc80\\udc80\\udcaf\""},  // overlong '/'
        {"\xF5\x80\x80\x80", "\"\\udcf5\\udc80\\udc80\\udc80\""},  // lead F5
        {"\xF6\x80\x80\x80", "\"\\udcf6\\udc80\\udc80\\udc80\""},  // lead F6
        {"\xF7\xBF\xBF\xBF", "\"\\udcf7\\udcbf\\udcbf\\udcbf\""},  // lead F7
        // the last byte of a three- and a four-byte form is no continuation
        {"\xE2\x82(", "\"\\udce2\\udc82(\""},
        {"\xF0\x9F\x98(", "\"\\udcf0\\udc9f\\udc98(\""},
    };
    for (const auto& [text, json] : cases) {
        EXPECT_EQ(Escaped(text), json) << json;
    }
}

TEST(AppendJsonString, UndecodableBytesReadBackAsTheirSurrogates) {
    const std::string json = "[" + Escaped("a\xE9\n\xFF") + "]";
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    const QString text = document.array().at(0).toString();
    EXPECT_EQ(text, QString::fromUtf16(u"a\xDCE9\n\xDCFF"));
}

}  // namespace
}  // namespace sarovin
