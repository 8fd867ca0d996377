#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace sarovin {

// The parts written one after another into a string made once at its
// final length.
std::string Concat(std::initializer_list<std::string_view> parts);

// A sentence that lists names joined by ", " after a lead text and ends in
// a full stop. The lead and the names are only viewed, so they must
// outlive the list, until the sentence is closed into a string made once
// at its final length.
class NameList {
  public:
    explicit NameList(std::string_view lead) : lead_(lead) {}
    void Append(std::string_view name);
    bool empty() const { return count_ == 0; }
    std::string Close() const;

  private:
    // A list names distinct signs or distinct bodies: at most twelve.
    static constexpr std::size_t MAX_NAMES = 12;
    std::string_view lead_;
    std::array<std::string_view, MAX_NAMES> names_;
    std::size_t count_ = 0;
};

}  // namespace sarovin
