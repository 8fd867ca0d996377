#include "cli/transit_options.h"

#include <charconv>

#include "text/printable_text.h"
#include "text/whole_number.h"

namespace sarovin {

namespace {

constexpr std::size_t ISO_DATE_LENGTH = 10;

bool ReadDigits(std::string_view text, int& number) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size() &&
           text.find_first_not_of("0123456789") == std::string_view::npos;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    constexpr int DAYS[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : DAYS[month - 1];
}

Result<Done> ReadThreshold(const GivenOptions& given, double& threshold) {
    const auto found = given.find("threshold");
    if (found == given.end()) {
        return Done{};
    }
    const std::optional<double> value = ParseDecimal(found->second);
    if (!value || !(*value >= LOWEST_THRESHOLD && *value <= HIGHEST_THRESHOLD)) {
        return RefuseWith("bad value '" + PrintableText(found->second) +
                          "' for --threshold: give virupas from 0 to 60");
    }
    threshold = *value;
    return Done{};
}

}  // namespace

Result<Done> ReadIsoDate(std::string_view text, int& year, int& month, int& day) {
    const bool shaped = text.size() == ISO_DATE_LENGTH && text[4] == '-' && text[7] == '-' &&
                        ReadDigits(text.substr(0, 4), year) &&
                        ReadDigits(text.substr(5, 2), month) && ReadDigits(text.substr(8, 2), day);
    if (!shaped || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
        return RefuseWith("bad date '" + PrintableText(std::string(text)) +
                          "' for --transits: give YYYY-MM-DD");
    }
    return Done{};
}

Result<Done> ReadTransitOptions(const GivenOptions& given, std::vector<std::string>& files,
                                std::optional<TransitOptions>& transits) {
    const auto found = given.find("transits");
    if (found == given.end()) {
        if (given.contains("threshold")) {
            return RefuseWith("--threshold needs --transits");
        }
        return Done{};
    }
    for (const std::string_view other : {"pdf", "compare", "vargas"}) {
        if (given.contains(other)) {
            return RefuseWith("--transits and --" + std::string(other) +
                              " cannot be used together");
        }
    }
    if (files.empty()) {
        return RefuseWith("--transits needs two dates: --transits FROM TO");
    }
    TransitOptions options;
    DateSpan& span = options.span;
    for (const Result<Done>& step :
         {ReadIsoDate(found->second, span.fromYear, span.fromMonth, span.fromDay),
          ReadIsoDate(files.front(), span.toYear, span.toMonth, span.toDay),
          ReadThreshold(given, options.threshold)}) {
        if (!step) {
            return step;
        }
    }
    files.erase(files.begin());
    transits = options;
    return Done{};
}

}  // namespace sarovin
