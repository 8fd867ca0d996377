#include "cli/report_options.h"

#include <QCommandLineParser>
#include <QStringList>

#include <algorithm>
#include <array>
#include <span>
#include <string_view>
#include <thread>

#include "cli/birth_options.h"
#include "cli/info_texts.h"
#include "cli/named_option.h"
#include "cli/option_values.h"
#include "cli/positions_option.h"
#include "cli/strength_rules_option.h"
#include "cli/varga_option.h"
#include "output/named_values.h"
#include "platform/qt_text.h"
#include "text/printable_text.h"

namespace sarovin {

namespace {

constexpr std::string_view OPTION_PREFIX = "--";
constexpr std::string_view END_OF_OPTIONS = "--";
constexpr char SHORT_PREFIX = '-';
constexpr char VALUE_SEPARATOR = '=';
constexpr int MOST_JOBS = 256;

struct KnownOption {
    std::string_view name;
    bool takesValue;
    bool describesBirth;
};

constexpr auto KNOWN_OPTIONS = std::to_array<KnownOption>({
    {"rules", true, false},
    {"ayanamsa", true, false},
    {"format", true, false},
    {"ephemeris", true, false},
    {"node", true, false},
    {"jobs", true, false},
    {"help", false, false},
    {"version", false, false},
    {"zones", false, false},
    {"find-place", true, false},
    {"day", true, true},
    {"month", true, true},
    {"year", true, true},
    {"hour", true, true},
    {"minute", true, true},
    {"zone", true, true},
    {"longitude", true, true},
    {"latitude", true, true},
    {"east", false, true},
    {"west", false, true},
    {"north", false, true},
    {"south", false, true},
    {"dst", false, true},
    {"place", true, true},
    {"name", true, true},
    {"city", true, true},
    {"state", true, true},
    {"country", true, true},
    {"pdf", true, false},
    {"compare", false, false},
    {"vargas", true, false},
    {"no-dst", false, true},
    {"utc-offset", true, true},
    {"houses", true, false},
    {"transits", true, false},
    {"threshold", true, false},
    {"dasha", false, false},
    {"dasha-year", true, false},
    {"ashtakavarga", false, false},
    {"ashtakavarga-tables", true, false},
    {"positions", true, false},
    {"strength-rules", true, false},
});

constexpr std::array<std::pair<std::string_view, ReportAction>, 4> ACTION_OPTIONS = {{
    {"help", ReportAction::ShowHelp},
    {"version", ReportAction::ShowVersion},
    {"zones", ReportAction::ListZones},
    {"find-place", ReportAction::FindPlaces},
}};

constexpr std::array<NamedValue<OutputFormat>, 3> FORMAT_NAMES = {{
    {"text", OutputFormat::Text},
    {"json", OutputFormat::Json},
    {"jsonl", OutputFormat::JsonLines},
}};

const KnownOption* FindOption(std::string_view name) {
    const auto found =
        std::find_if(KNOWN_OPTIONS.begin(), KNOWN_OPTIONS.end(),
                     [name](const KnownOption& option) { return option.name == name; });
    return found == KNOWN_OPTIONS.end() ? nullptr : &*found;
}

void AddKnownOptions(QCommandLineParser& parser) {
    for (const KnownOption& known : KNOWN_OPTIONS) {
        QCommandLineOption option(BytesAsText(known.name));
        if (known.takesValue) {
            option.setValueName(QStringLiteral("VALUE"));
        }
        parser.addOption(option);
    }
}

QStringList ArgumentList(const std::vector<std::string>& arguments) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(arguments.size()) + 1);
    list.append(BytesAsText(PROGRAM_NAME));
    for (const std::string& argument : arguments) {
        list.append(BytesAsText(argument));
    }
    return list;
}

// The part of an argument before any "=VALUE".
std::string_view WrittenName(std::string_view argument) {
    return argument.substr(0, argument.find(VALUE_SEPARATOR));
}

// The options, up to the end mark.
std::span<const std::string> OptionPart(const std::vector<std::string>& arguments) {
    const auto end = std::find(arguments.begin(), arguments.end(), END_OF_OPTIONS);
    return {arguments.begin(), end};
}

// How the unknown option `name` was written: "--name", or the single-dash
// word the parser took it from.
std::string WrittenUnknown(const std::vector<std::string>& arguments, std::string_view name) {
    for (const std::string& argument : OptionPart(arguments)) {
        const std::string_view written = WrittenName(argument);
        const bool longForm =
            written.starts_with(OPTION_PREFIX) && written.substr(OPTION_PREFIX.size()) == name;
        const bool shortForm = !written.starts_with(OPTION_PREFIX) &&
                               written.starts_with(SHORT_PREFIX) &&
                               written.substr(1).find(name) != std::string_view::npos;
        if (longForm || shortForm) {
            return std::string(written);
        }
    }
    return std::string(OPTION_PREFIX) + std::string(name);
}

bool TakesValue(std::string_view written) {
    if (!written.starts_with(OPTION_PREFIX)) {
        return false;
    }
    const KnownOption* option = FindOption(written.substr(OPTION_PREFIX.size()));
    return option != nullptr && option->takesValue;
}

// What the parser refused, in the tool's words: an unknown option, a value
// missing at the end, or a value given to an option that takes none.
std::string ParseProblem(const QCommandLineParser& parser,
                         const std::vector<std::string>& arguments) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        return "unknown option '" +
               PrintableText(WrittenUnknown(arguments, TextAsBytes(unknown.front()))) + "'";
    }
    const std::span<const std::string> options = OptionPart(arguments);
    if (!options.empty() && options.size() == arguments.size() &&
        options.back().find(VALUE_SEPARATOR) == std::string::npos && TakesValue(options.back())) {
        return "option '" + options.back() + "' needs a value";
    }
    for (const std::string& argument : options) {
        const std::string_view written = WrittenName(argument);
        if (written.size() < argument.size() && written.starts_with(OPTION_PREFIX) &&
            !TakesValue(written)) {
            return "option '" + std::string(written) + "' takes no value";
        }
    }
    return TextAsBytes(parser.errorText());
}

// The last value of every option given, by name.
GivenOptions GivenOf(const QCommandLineParser& parser) {
    GivenOptions given;
    for (const KnownOption& known : KNOWN_OPTIONS) {
        const QString name = BytesAsText(known.name);
        if (parser.isSet(name)) {
            given[known.name] = known.takesValue ? TextAsBytes(parser.value(name)) : std::string();
        }
    }
    return given;
}

std::vector<std::string> FilesOf(const QCommandLineParser& parser) {
    std::vector<std::string> files;
    const QStringList positional = parser.positionalArguments();
    files.reserve(static_cast<std::size_t>(positional.size()));
    for (const QString& file : positional) {
        files.push_back(TextAsBytes(file));
    }
    return files;
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

Result<Done> ReadJobs(const GivenOptions& given, int& jobs) {
    const auto found = given.find("jobs");
    if (found == given.end()) {
        return Done{};
    }
    const std::optional<int> value = ParseNumberInRange(found->second, 1, MOST_JOBS);
    if (!value) {
        return RefuseWith("bad value '" + PrintableText(found->second) +
                          "' for --jobs: give a whole number 1-" + std::to_string(MOST_JOBS));
    }
    jobs = *value;
    return Done{};
}

// A PDF file holds the pages in place of any text format.
Result<Done> ReadPdf(const GivenOptions& given, std::string& pdfPath) {
    const auto found = given.find("pdf");
    if (found == given.end()) {
        return Done{};
    }
    if (found->second.empty()) {
        return RefuseWith("--pdf needs a file name");
    }
    if (given.contains("format")) {
        return RefuseWith("--pdf and --format cannot be used together");
    }
    pdfPath = found->second;
    return Done{};
}

Result<Done> ReadVargas(const GivenOptions& given, std::vector<int>& vargas) {
    const auto found = given.find("vargas");
    if (found == given.end()) {
        return Done{};
    }
    Result<std::vector<int>> list = ReadVargaList(found->second);
    if (!list) {
        return list.refusal();
    }
    vargas = std::move(*list);
    return Done{};
}

Result<Done> ReadPositions(const GivenOptions& given, EphemerisChoice& choice) {
    const auto found = given.find("positions");
    if (found == given.end()) {
        return Done{};
    }
    Result<GivenPositions> positions = ReadGivenPositions(found->second);
    if (!positions) {
        return positions.refusal();
    }
    choice.given = *positions;
    return Done{};
}

Result<Done> ReadStrengthRulesOption(const GivenOptions& given, EphemerisChoice& choice) {
    const auto found = given.find("strength-rules");
    if (found == given.end()) {
        return Done{};
    }
    Result<StrengthRules> rules = ReadStrengthRules(found->second);
    if (!rules) {
        return rules.refusal();
    }
    choice.strengthRules = *rules;
    return Done{};
}

// --format, --ephemeris, --node, --ayanamsa, --rules, --houses, --jobs,
// --pdf, --vargas, --positions and --strength-rules.
Result<Done> ReadHowToPrint(const GivenOptions& given, ReportOptions& options) {
    for (const Result<Done>& step :
         {ReadNamed(given, "format", FORMAT_NAMES, options.format),
          ReadNamed(given, "ephemeris", EPHEMERIS_NAMES, options.ephemeris.ephemeris),
          ReadNamed(given, "node", NODE_NAMES, options.ephemeris.node),
          ReadNamed(given, "ayanamsa", AYANAMSA_NAMES, options.ephemeris.ayanamsa),
          ReadNamed(given, "rules", RULES_NAMES, options.ephemeris.rules),
          ReadNamed(given, "houses", HOUSE_SYSTEM_NAMES, options.ephemeris.houses),
          ReadJobs(given, options.jobs), ReadPdf(given, options.pdfPath),
          ReadVargas(given, options.vargas), ReadPositions(given, options.ephemeris),
          ReadStrengthRulesOption(given, options.ephemeris)}) {
        if (!step) {
            return step;
        }
    }
    if (given.contains("node") && options.ephemeris.ephemeris != Ephemeris::Swiss) {
        return RefuseWith("--node needs --ephemeris swiss");
    }
    if (given.contains("ayanamsa") && options.ephemeris.ephemeris != Ephemeris::Swiss) {
        return RefuseWith("--ayanamsa needs --ephemeris swiss");
    }
    if (given.contains("houses") && options.ephemeris.ephemeris != Ephemeris::Swiss) {
        return RefuseWith("--houses needs --ephemeris swiss");
    }
    if (given.contains("positions") && options.ephemeris.ephemeris != Ephemeris::Swiss) {
        return RefuseWith("--positions needs --ephemeris swiss");
    }
    if (given.contains("strength-rules") && (options.ephemeris.ephemeris != Ephemeris::Swiss ||
                                             options.ephemeris.rules != Rules::Classical)) {
        return RefuseWith("--strength-rules needs --ephemeris swiss and --rules classical");
    }
    return Done{};
}

Result<ReportOptions> ReadReadings(const GivenOptions& given, std::vector<std::string> files) {
    ReportOptions options;
    options.jobs = DefaultJobs();
    if (Result<Done> read = ReadHowToPrint(given, options); !read) {
        return read.refusal();
    }
    if (Result<Done> read = ReadTransitOptions(given, files, options.transits); !read) {
        return read.refusal();
    }
    Result<PeriodOptions> periods = ReadPeriodOptions(given, options.ephemeris.ephemeris);
    if (!periods) {
        return periods.refusal();
    }
    options.periods = *periods;
    if (given.contains("compare")) {
        if (DescribesBirth(given) || files.size() != 2) {
            return RefuseWith("--compare needs two reading files and no birth options");
        }
        options.compare = true;
    }
    if (!DescribesBirth(given)) {
        if (files.empty()) {
            return RefuseWith("no reading given: name reading files or give a birth as options");
        }
        options.files = std::move(files);
        return options;
    }
    if (!files.empty()) {
        return RefuseWith("reading files cannot be combined with birth options");
    }
    Result<TypedBirth> typed = ReadTypedBirth(given);
    if (!typed) {
        return typed.refusal();
    }
    options.typedBirth = std::move(*typed);
    return options;
}

}  // namespace

int DefaultJobs() {
    return static_cast<int>(
        std::clamp(std::thread::hardware_concurrency(), 1u, static_cast<unsigned>(MOST_JOBS)));
}

Result<ReportOptions> ParseReportArguments(const std::vector<std::string>& arguments) {
    QCommandLineParser parser;
    AddKnownOptions(parser);
    if (!parser.parse(ArgumentList(arguments))) {
        return RefuseWith(ParseProblem(parser, arguments));
    }
    const GivenOptions given = GivenOf(parser);
    ReportOptions options;
    options.action = ChosenAction(given);
    if (options.action == ReportAction::FindPlaces) {
        options.placeQuery = given.at("find-place");
    }
    if (options.action != ReportAction::PrintReadings) {
        return options;
    }
    return ReadReadings(given, FilesOf(parser));
}

}  // namespace sarovin
