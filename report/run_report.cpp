#include "report/run_report.h"

#include <string_view>

#include "report/info_texts.h"
#include "report/reading_source.h"
#include "report/report_options.h"
#include "report/report_writer.h"
#include "report/typed_reading.h"

namespace sarovin {

namespace {

constexpr int EXIT_ALL_PRINTED = 0;
constexpr int EXIT_SOME_REFUSED = 1;
constexpr int EXIT_USAGE = 2;
constexpr std::string_view WRITE_FAILURE_MESSAGE = "cannot write the output";

void ReportProblem(std::ostream& err, const std::string& source, std::string_view reason) {
    std::string line(PROGRAM_NAME);
    line += ": ";
    if (!source.empty()) {
        line += source + ": ";
    }
    line += reason;
    line += '\n';
    err << line;
}

// Prints the reading of `outcome` or reports why it was refused; true
// when printed.
bool PrintOutcome(const Result<ReportedReading>& outcome, const std::string& source,
                  ReportWriter& writer, std::ostream& err) {
    if (!outcome) {
        ReportProblem(err, source, outcome.refusal().message);
        return false;
    }
    writer.Write(*outcome);
    return true;
}

int PrintReadings(const ReportOptions& options, std::ostream& out, std::ostream& err) {
    ReportWriter writer(options.format, out);
    writer.Begin();
    bool allPrinted = true;
    if (options.typedBirth) {
        allPrinted = PrintOutcome(ReadingFromTypedBirth(*options.typedBirth, options.ephemeris), {},
                                  writer, err);
    }
    for (const std::string& file : options.files) {
        allPrinted =
            PrintOutcome(ReadingFromFile(file, options.ephemeris), file, writer, err) && allPrinted;
    }
    writer.End();
    return allPrinted ? EXIT_ALL_PRINTED : EXIT_SOME_REFUSED;
}

int RunParsed(const ParsedArguments& parsed, std::ostream& out, std::ostream& err) {
    if (!parsed.usageError.empty()) {
        err << PROGRAM_NAME << ": " << parsed.usageError << "\n" << UsageSynopsis();
        return EXIT_USAGE;
    }
    switch (parsed.options.action) {
        case ReportAction::ShowHelp:
            out << HelpText();
            return EXIT_ALL_PRINTED;
        case ReportAction::ShowVersion:
            out << VersionLine();
            return EXIT_ALL_PRINTED;
        case ReportAction::ListZones:
            out << ZoneListing();
            return EXIT_ALL_PRINTED;
        case ReportAction::PrintReadings:
            break;
    }
    return PrintReadings(parsed.options, out, err);
}

}  // namespace

int RunReport(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const int status = RunParsed(ParseReportArguments(arguments), out, err);
    // A full disk or a closed pipe shows only once the output is flushed.
    if (!out.flush()) {
        ReportProblem(err, {}, WRITE_FAILURE_MESSAGE);
        return status == EXIT_ALL_PRINTED ? EXIT_SOME_REFUSED : status;
    }
    return status;
}

}  // namespace sarovin
