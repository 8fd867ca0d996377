#pragma once

#include <string>
#include <string_view>

namespace sarovin {

// Indented: every member and element on a line of its own, four spaces a
// level, "key": value, as QJsonDocument's indented form. Compact: no
// space or line end at all.
enum class JsonLayout { Indented, Compact };

// Writes one JSON value onto the end of a text as it is described: the
// caller opens and closes objects and arrays, names each member's key and
// gives each value; the writer puts in the commas, line ends and indents.
class JsonWriter {
  public:
    // `depth` indents the value by that many levels, for a value that is
    // itself an element of an array written elsewhere.
    JsonWriter(std::string& json, JsonLayout layout, int depth = 0);

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The key of the next value, which must follow.
    void Key(std::string_view key);

    void String(std::string_view text);
    void Number(int number);
    // The shortest text that reads back as the same double; null when it
    // is not finite, as JSON has no such number.
    void Number(double number);
    void Bool(bool value);
    void Null();

  private:
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);
    void NewLine();

    std::string& json_;
    JsonLayout layout_;
    int depth_;
    bool firstInContainer_ = true;
    bool afterKey_ = false;
    bool atTop_ = true;
};

}  // namespace sarovin
