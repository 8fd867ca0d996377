#include "report/report_options.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "report/birth_options.h"

namespace sarovin {

namespace {

constexpr std::string_view OPTION_PREFIX = "--";
constexpr std::string_view END_OF_OPTIONS = "--";
constexpr char VALUE_SEPARATOR = '=';

struct KnownOption {
    std::string_view name;
    bool takesValue;
    bool describesBirth;
};

constexpr std::array<KnownOption, 21> KNOWN_OPTIONS = {{
    {"format", true, false}, {"help", false, false},    {"version", false, false},
    {"zones", false, false}, {"day", true, true},       {"month", true, true},
    {"year", true, true},    {"hour", true, true},      {"minute", true, true},
    {"zone", true, true},    {"longitude", true, true}, {"latitude", true, true},
    {"east", false, true},   {"west", false, true},     {"north", false, true},
    {"south", false, true},  {"dst", false, true},      {"name", true, true},
    {"city", true, true},    {"state", true, true},     {"country", true, true},
}};

constexpr std::array<std::pair<std::string_view, ReportAction>, 3> ACTION_OPTIONS = {{
    {"help", ReportAction::ShowHelp},
    {"version", ReportAction::ShowVersion},
    {"zones", ReportAction::ListZones},
}};

constexpr std::array<std::pair<std::string_view, OutputFormat>, 2> FORMAT_NAMES = {{
    {"text", OutputFormat::Text},
    {"json", OutputFormat::Json},
}};

const KnownOption* FindOption(std::string_view name) {
    const auto found =
        std::find_if(KNOWN_OPTIONS.begin(), KNOWN_OPTIONS.end(),
                     [name](const KnownOption& option) { return option.name == name; });
    return found == KNOWN_OPTIONS.end() ? nullptr : &*found;
}

// The arguments sorted into options and file names, before any value is
// looked at.
struct ScannedArguments {
    GivenOptions given;
    std::vector<std::string> files;
    std::string error;
};

bool IsOption(std::string_view argument) {
    return argument.size() > 1 && argument.front() == '-';
}

ScannedArguments ScanArguments(const std::vector<std::string>& arguments) {
    ScannedArguments scanned;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string_view argument = arguments[index];
        if (argument == END_OF_OPTIONS) {
            scanned.files.insert(scanned.files.end(), arguments.begin() + index + 1,
                                 arguments.end());
            break;
        }
        if (!IsOption(argument)) {
            scanned.files.emplace_back(argument);
            continue;
        }
        const std::size_t separator = argument.find(VALUE_SEPARATOR);
        const std::string_view written = argument.substr(0, separator);
        const KnownOption* option = written.starts_with(OPTION_PREFIX)
                                        ? FindOption(written.substr(OPTION_PREFIX.size()))
                                        : nullptr;
        if (!option) {
            scanned.error = "unknown option '" + std::string(written) + "'";
            return scanned;
        }
        std::string& value = scanned.given[option->name];
        if (!option->takesValue) {
            if (separator != std::string_view::npos) {
                scanned.error = "option '" + std::string(written) + "' takes no value";
                return scanned;
            }
            value.clear();
        } else if (separator != std::string_view::npos) {
            value = argument.substr(separator + 1);
        } else if (index + 1 < arguments.size()) {
            value = arguments[++index];
        } else {
            scanned.error = "option '" + std::string(written) + "' needs a value";
            return scanned;
        }
    }
    return scanned;
}

ReportAction ChosenAction(const GivenOptions& given) {
    for (const auto& [name, action] : ACTION_OPTIONS) {
        if (given.contains(name)) {
            return action;
        }
    }
    return ReportAction::PrintReadings;
}

bool DescribesBirth(const GivenOptions& given) {
    return std::any_of(given.begin(), given.end(),
                       [](const auto& entry) { return FindOption(entry.first)->describesBirth; });
}

ParsedArguments Refused(std::string error) {
    return {ReportOptions{}, std::move(error)};
}

}  // namespace

ParsedArguments ParseReportArguments(const std::vector<std::string>& arguments) {
    ScannedArguments scanned = ScanArguments(arguments);
    if (!scanned.error.empty()) {
        return Refused(std::move(scanned.error));
    }
    ReportOptions options;
    options.action = ChosenAction(scanned.given);
    if (options.action != ReportAction::PrintReadings) {
        return {std::move(options), {}};
    }
    if (const auto format = scanned.given.find("format"); format != scanned.given.end()) {
        const auto known =
            std::find_if(FORMAT_NAMES.begin(), FORMAT_NAMES.end(),
                         [&](const auto& name) { return name.first == format->second; });
        if (known == FORMAT_NAMES.end()) {
            return Refused("unknown format '" + format->second + "': give text or json");
        }
        options.format = known->second;
    }
    if (!DescribesBirth(scanned.given)) {
        if (scanned.files.empty()) {
            return Refused("no reading given: name reading files or give a birth as options");
        }
        options.files = std::move(scanned.files);
        return {std::move(options), {}};
    }
    if (!scanned.files.empty()) {
        return Refused("reading files cannot be combined with birth options");
    }
    TypedBirthOrError typed = ReadTypedBirth(scanned.given);
    if (!typed.error.empty()) {
        return Refused(std::move(typed.error));
    }
    options.typedBirth = std::move(typed.birth);
    return {std::move(options), {}};
}

}  // namespace sarovin
