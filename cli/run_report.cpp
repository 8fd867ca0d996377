#include "cli/run_report.h"

#include <algorithm>
#include <array>
#include <csignal>
#include <exception>
#include <memory>
#include <string_view>
#include <thread>

#include "atlas/place_search.h"
#include "cli/info_texts.h"
#include "cli/ordered_work.h"
#include "cli/place_listing.h"
#include "cli/problem_line.h"
#include "cli/reading_source.h"
#include "cli/report_options.h"
#include "cli/report_writer.h"
#include "cli/run_transits.h"
#include "cli/typed_reading.h"
#include "document/print_application.h"
#include "document/reading_document_pdf.h"
#include "output/comparison_json.h"
#include "output/comparison_text.h"
#include "output/reading_format.h"
#include "swiss/swiss_ephemeris.h"
#include "text/printable_text.h"

namespace sarovin {

namespace {

constexpr int EXIT_ALL_PRINTED = 0;
constexpr int EXIT_SOME_REFUSED = 1;
constexpr int EXIT_USAGE = 2;
constexpr std::string_view WRITE_FAILURE_MESSAGE = "cannot write the output";
constexpr std::string_view NO_PLACE_FOUND = "no known place has a name holding \"";

std::string WarningLines(const ReportedReading& reading) {
    std::string lines;
    for (const InvalidLine& line : reading.invalidLines) {
        lines += ProblemLine(reading.source, "warning: the " + std::string(line.field) +
                                                 " line \"" + PrintableText(line.value) +
                                                 "\" is not valid; " + line.used + " was used");
    }
    return lines;
}

// The vargas --vargas asks for, and the periods and Ashtakavarga --dasha
// and --ashtakavarga ask for; a page also shows the Navamsa.
CalculationScope ScopeOf(const ReportOptions& options) {
    CalculationScope scope{.vargas = options.vargas,
                           .dasha = options.periods.dasha,
                           .ashtakavarga = options.periods.ashtakavarga};
    const bool hasNavamsa =
        std::find(scope.vargas.begin(), scope.vargas.end(), NAVAMSA) != scope.vargas.end();
    if (!options.pdfPath.empty() && !hasNavamsa) {
        scope.vargas.insert(std::upper_bound(scope.vargas.begin(), scope.vargas.end(), NAVAMSA),
                            NAVAMSA);
    }
    return scope;
}

// A reading whose page goes to a PDF file keeps its calculation, to be
// painted on the calling thread, and is not written as text.
ReadingOutput OutputOf(Result<ReportedReading>&& outcome, std::string_view source,
                       const ReportOptions& options) {
    if (!outcome) {
        return {{}, ProblemLine(source, outcome.refusal().message), true};
    }
    if (!options.pdfPath.empty()) {
        return {{}, WarningLines(*outcome), false, std::move(outcome->calculation)};
    }
    return {FormatReading(*outcome, options.format), WarningLines(*outcome), false};
}

// The reading of argument `index`: the typed birth, or a reading file. An
// exception (no memory left) refuses that reading alone.
ReadingOutput ProduceReading(const ReportOptions& options, std::size_t index) {
    const std::string_view source =
        options.typedBirth ? std::string_view() : std::string_view(options.files[index]);
    try {
        return OutputOf(
            options.typedBirth
                ? ReadingFromTypedBirth(*options.typedBirth, options.ephemeris, ScopeOf(options))
                : ReadingFromFile(options.files[index], options.ephemeris, ScopeOf(options)),
            source, options);
    } catch (const std::exception& exception) {
        return {{}, ProblemLine(source, exception.what()), true};
    }
}

void ReportWriteFailure(std::ostream& err) {
    err << ProblemLine({}, WRITE_FAILURE_MESSAGE);
}

std::size_t ReadingCount(const ReportOptions& options) {
    return options.typedBirth ? 1 : options.files.size();
}

// The readings of the options produced on the threads asked for, at most
// one per core, and consumed in argument order; a shortfall of threads is
// warned of and the work goes on.
bool ProduceReadings(const ReportOptions& options, const ConsumeOutput& consume,
                     std::ostream& err) {
    const int threads = WorkerThreads(options.jobs, std::thread::hardware_concurrency());
    const auto produce = [&options](std::size_t index) { return ProduceReading(options, index); };
    const auto fewer = [threads, &err](int started) {
        const std::string carried =
            started == 0 ? "one at a time" : "on " + std::to_string(started);
        err << ProblemLine({}, "warning: only " + std::to_string(started) + " of " +
                                   std::to_string(threads) +
                                   " threads could be started; the readings are computed " +
                                   carried)
            << std::flush;
    };
    return ProduceInOrder(ReadingCount(options), threads, produce, consume, fewer);
}

// Each computed reading's page goes to the PDF file as it comes, in
// argument order, with the South Indian chart (and its Ashtakavarga with
// --ashtakavarga); the file takes the place of
// an older one only once complete. Nothing is written when no reading
// could be computed.
int PrintReadingsAsPdf(const ReportOptions& options, std::ostream& err) {
    const std::unique_ptr<QGuiApplication> application = StartPrintingApplication();
    ReadingPdfFile pdf(options.pdfPath);
    bool allPrinted = true;
    bool anyPage = false;
    const auto consume = [&](ReadingOutput&& output) {
        allPrinted = allPrinted && !output.refused;
        err << output.problems << std::flush;
        anyPage = anyPage || output.calculation.has_value();
        return !output.calculation || pdf.Add({*output.calculation, ChartStyle::SouthIndian,
                                               nullptr, options.periods.ashtakavarga.has_value()});
    };
    // A page that could not be added stops the work and refuses the commit.
    ProduceReadings(options, consume, err);
    if (!anyPage) {
        return EXIT_SOME_REFUSED;
    }
    if (const Result<Done> saved = pdf.Commit(); !saved) {
        err << ProblemLine(options.pdfPath, saved.refusal().message);
        return EXIT_SOME_REFUSED;
    }
    return allPrinted ? EXIT_ALL_PRINTED : EXIT_SOME_REFUSED;
}

// The page of the pair, with A's chart in the South Indian style, to the
// PDF file of --pdf, in place of an older one only once complete.
int PrintComparisonAsPdf(const ReportOptions& options, const ComparedReadings& compared,
                         std::ostream& err) {
    const std::unique_ptr<QGuiApplication> application = StartPrintingApplication();
    const DocumentPair pair{compared.a.calculation, compared.b.calculation, compared.comparison,
                            ChartStyle::SouthIndian};
    if (const Result<Done> saved = SavePairPdf(options.pdfPath, pair); !saved) {
        err << ProblemLine(options.pdfPath, saved.refusal().message);
        return EXIT_SOME_REFUSED;
    }
    return EXIT_ALL_PRINTED;
}

// The two readings of --compare, each refused by its own name; the
// comparison is written only when both could be computed.
int PrintComparison(const ReportOptions& options, std::ostream& out, std::ostream& err) {
    std::array<Result<ReportedReading>, 2> readings = {
        ReadingFromFile(options.files[0], options.ephemeris, CalculationScope{}),
        ReadingFromFile(options.files[1], options.ephemeris, CalculationScope{})};
    bool bothComputed = true;
    for (std::size_t index = 0; index < readings.size(); ++index) {
        if (readings[index]) {
            err << WarningLines(*readings[index]);
        } else {
            err << ProblemLine(options.files[index], readings[index].refusal().message);
            bothComputed = false;
        }
    }
    if (!bothComputed) {
        return EXIT_SOME_REFUSED;
    }
    ChartComparison comparison =
        CompareReadings(readings[0]->calculation, readings[1]->calculation);
    const ComparedReadings compared{std::move(*readings[0]), std::move(*readings[1]),
                                    std::move(comparison)};
    if (!options.pdfPath.empty()) {
        return PrintComparisonAsPdf(options, compared, err);
    }
    switch (options.format) {
        case OutputFormat::Text:
            out << FormatTextComparison(compared);
            break;
        case OutputFormat::Json:
            out << FormatJsonComparison(compared, JsonLayout::Indented) << '\n';
            break;
        case OutputFormat::JsonLines:
            out << FormatJsonComparison(compared, JsonLayout::Compact) << '\n';
            break;
    }
    if (!out.flush()) {
        ReportWriteFailure(err);
        return EXIT_SOME_REFUSED;
    }
    return EXIT_ALL_PRINTED;
}

int PrintReadings(const ReportOptions& options, std::ostream& out, std::ostream& err) {
    if (options.transits) {
        return PrintTransits(options, out, err);
    }
    if (options.compare) {
        return PrintComparison(options, out, err);
    }
    if (!options.pdfPath.empty()) {
        return PrintReadingsAsPdf(options, err);
    }
    ReportWriter writer(options.format, out, err);
    bool allPrinted = true;
    const auto consume = [&writer, &allPrinted](ReadingOutput&& output) {
        allPrinted = allPrinted && !output.refused;
        return writer.Write(output);
    };
    writer.Begin();
    if (!ProduceReadings(options, consume, err) || !writer.End()) {
        ReportWriteFailure(err);
        return EXIT_SOME_REFUSED;
    }
    return allPrinted ? EXIT_ALL_PRINTED : EXIT_SOME_REFUSED;
}

int PrintFoundPlaces(const std::string& query, std::ostream& out, std::ostream& err) {
    const std::vector<Place> places = FindPlaces(query, LISTED_PLACES);
    if (places.empty()) {
        err << ProblemLine({}, std::string(NO_PLACE_FOUND) + PrintableText(query) + "\"");
        return EXIT_SOME_REFUSED;
    }
    out << PlaceListing(places);
    return EXIT_ALL_PRINTED;
}

// Prints what needs no reading; the status is checked once the output is
// flushed.
int PrintInformation(const ReportOptions& options, std::ostream& out, std::ostream& err) {
    switch (options.action) {
        case ReportAction::ShowHelp:
            out << HelpText();
            break;
        case ReportAction::ShowVersion:
            out << VersionLine();
            break;
        case ReportAction::ListZones:
            out << ZoneListing();
            break;
        case ReportAction::FindPlaces:
            return PrintFoundPlaces(options.placeQuery, out, err);
        case ReportAction::PrintReadings:
            break;
    }
    return EXIT_ALL_PRINTED;
}

}  // namespace

int RunReport(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    // Past the file-size limit the system would end the tool with SIGXFSZ
    // and no word; ignored, the write fails and is reported as one.
    std::signal(SIGXFSZ, SIG_IGN);
    const Result<ReportOptions> options = ParseReportArguments(arguments);
    if (!options) {
        err << ProblemLine({}, options.refusal().message) << UsageSynopsis();
        return EXIT_USAGE;
    }
    if (options->action == ReportAction::PrintReadings) {
        const int status = PrintReadings(*options, out, err);
        for (const std::string& note : SwissDataFileNotes()) {
            err << ProblemLine({}, "note: " + note);
        }
        return status;
    }
    const int status = PrintInformation(*options, out, err);
    // A full disk or a closed pipe shows only once the output is flushed.
    if (!out.flush()) {
        ReportWriteFailure(err);
        return EXIT_SOME_REFUSED;
    }
    return status;
}

}  // namespace sarovin
