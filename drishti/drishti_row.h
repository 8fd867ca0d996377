#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/body_table.h"

namespace sarovin {

// The four caption texts of one row of the Graha or Rashi Drishti tab.
struct DrishtiRow {
    std::string bodyCaption;
    std::string positionCaption;
    std::string aspectCaption;
    std::string planetsCaption;

    friend bool operator==(const DrishtiRow&, const DrishtiRow&) = default;
};

// The parts written one after another, in one allocation.
std::string Concat(std::initializer_list<std::string_view> parts);

// A sentence that lists names joined by ", " after a fixed lead text.
class NameList {
  public:
    explicit NameList(std::initializer_list<std::string_view> lead);
    void Append(std::string_view name);
    bool empty() const { return count_ == 0; }
    // The sentence with its closing text; the list is spent afterwards.
    std::string Close(std::string_view ending);

  private:
    void WriteLead();

    // The lead is written with the first name, so a list that stays empty
    // and is never closed costs no allocation.
    static constexpr std::size_t MAX_LEAD_PARTS = 3;
    std::array<std::string_view, MAX_LEAD_PARTS> lead_{};
    std::string text_;
    int count_ = 0;
};

// The body and position captions shared by both tabs, and the two
// sentences as each tab words them.
DrishtiRow MakeDrishtiRow(const BodyEntry& body, std::string aspectCaption,
                          std::string planetsCaption);

}  // namespace sarovin
