#include "output/json_writer.h"

#include <array>
#include <charconv>
#include <cmath>

#include "output/json_string.h"

namespace sarovin {

namespace {

constexpr std::string_view INDENT = "    ";
// Room for any double or int written in full.
constexpr std::size_t NUMBER_ROOM = 32;

template <typename Number>
void AppendNumber(std::string& json, Number number) {
    std::array<char, NUMBER_ROOM> digits;
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
    json.append(digits.data(), end);
}

}  // namespace

JsonWriter::JsonWriter(std::string& json, JsonLayout layout, int depth)
    : json_(json), layout_(layout), depth_(depth) {}

void JsonWriter::NewLine() {
    if (layout_ == JsonLayout::Indented) {
        json_ += '\n';
        json_.append(static_cast<std::size_t>(depth_) * INDENT.size(), ' ');
    }
}

// Separates a value from the one before it: nothing after a key, else a
// comma after an earlier element and a new line; the top value only gets
// its indent.
void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (atTop_) {
        atTop_ = false;
        if (layout_ == JsonLayout::Indented) {
            json_.append(static_cast<std::size_t>(depth_) * INDENT.size(), ' ');
        }
        return;
    }
    if (!firstInContainer_) {
        json_ += ',';
    }
    firstInContainer_ = false;
    NewLine();
}

void JsonWriter::Open(char bracket) {
    BeforeValue();
    json_ += bracket;
    ++depth_;
    firstInContainer_ = true;
}

void JsonWriter::Close(char bracket) {
    --depth_;
    NewLine();
    json_ += bracket;
    firstInContainer_ = false;
}

void JsonWriter::BeginObject() {
    Open('{');
}

void JsonWriter::EndObject() {
    Close('}');
}

void JsonWriter::BeginArray() {
    Open('[');
}

void JsonWriter::EndArray() {
    Close(']');
}

void JsonWriter::Key(std::string_view key) {
    BeforeValue();
    AppendJsonString(json_, key);
    json_ += layout_ == JsonLayout::Indented ? ": " : ":";
    afterKey_ = true;
}

void JsonWriter::String(std::string_view text) {
    BeforeValue();
    AppendJsonString(json_, text);
}

void JsonWriter::Number(int number) {
    BeforeValue();
    AppendNumber(json_, number);
}

void JsonWriter::Number(double number) {
    if (!std::isfinite(number)) {
        Null();
        return;
    }
    BeforeValue();
    AppendNumber(json_, number);
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    json_ += value ? "true" : "false";
}

void JsonWriter::Null() {
    BeforeValue();
    json_ += "null";
}

}  // namespace sarovin
