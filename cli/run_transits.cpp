#include "cli/run_transits.h"

#include <thread>

#include "cli/info_texts.h"
#include "cli/problem_line.h"
#include "cli/reading_source.h"
#include "cli/typed_reading.h"
#include "ephemeris/utc_time.h"
#include "output/transit_lines.h"
#include "swiss/ephemeris_session.h"
#include "swiss/swiss_position_source.h"

namespace sarovin {

namespace {

constexpr int EXIT_PRINTED = 0;
constexpr int EXIT_FAILED = 1;
constexpr int EXIT_USAGE = 2;

int UsageError(const std::string& message, std::ostream& err) {
    err << ProblemLine({}, message) << UsageSynopsis();
    return EXIT_USAGE;
}

// Writes each event as it comes, read with the natal periods and
// Ashtakavarga the natal calculation holds (as --dasha and --ashtakavarga
// ask), in blocks of 64 KiB: text lines, a JSON
// array with an event a line, or JSON Lines.
class TransitWriter {
  public:
    TransitWriter(OutputFormat format, const std::vector<NatalPoint>& points,
                  const Calculation& natal, std::ostream& out)
        : format_(format), points_(points), natal_(natal), out_(out) {}

    void Begin() {
        if (format_ == OutputFormat::Json) {
            block_ += '[';
        }
    }
    // False once the output cannot be written.
    bool Write(const TransitEvent& event) {
        const TransitTags tags = TagsOf(event, natal_.dasha, natal_.ashtakavarga);
        if (format_ == OutputFormat::Text) {
            block_ += TransitTextLine(event, points_, tags);
        } else {
            if (format_ == OutputFormat::Json) {
                block_ += first_ ? "\n    " : ",\n    ";
            }
            JsonWriter json(block_, JsonLayout::Compact);
            WriteTransitJson(json, event, points_, tags);
            if (format_ == OutputFormat::JsonLines) {
                block_ += '\n';
            }
        }
        first_ = false;
        if (block_.size() >= BLOCK_BYTES) {
            Flush();
        }
        return static_cast<bool>(out_);
    }
    void End() {
        if (format_ == OutputFormat::Json) {
            block_ += first_ ? "]\n" : "\n]\n";
        }
        Flush();
    }

  private:
    static constexpr std::size_t BLOCK_BYTES = 64 * 1024;

    void Flush() {
        out_.write(block_.data(), static_cast<std::streamsize>(block_.size()));
        block_.clear();
    }

    OutputFormat format_;
    const std::vector<NatalPoint>& points_;
    const Calculation& natal_;
    std::ostream& out_;
    std::string block_;
    bool first_ = true;
};

Result<ReportedReading> NatalReading(const ReportOptions& options) {
    const CalculationScope scope{.dasha = options.periods.dasha,
                                 .ashtakavarga = options.periods.ashtakavarga};
    return options.typedBirth ? ReadingFromTypedBirth(*options.typedBirth, options.ephemeris, scope)
                              : ReadingFromFile(options.files.front(), options.ephemeris, scope);
}

TransitRequest RequestFor(const ReportOptions& options, const Calculation& natal) {
    const DateSpan& span = options.transits->span;
    TransitRequest request;
    request.points = NatalPointsOf(natal);
    request.from = JulianDayOfDate(span.fromYear, span.fromMonth, span.fromDay);
    request.to = JulianDayOfDate(span.toYear, span.toMonth, span.toDay);
    request.threshold = options.transits->threshold;
    request.trueNode = options.ephemeris.node == LunarNode::True;
    request.threads = std::min(options.jobs, 2);
    request.ashtakavarga = natal.ashtakavarga;
    return request;
}

}  // namespace

int PrintTransits(const ReportOptions& options, std::ostream& out, std::ostream& err) {
    if (options.ephemeris.ephemeris != Ephemeris::Swiss) {
        return UsageError(
            "--transits needs --ephemeris swiss: transits are found with the Swiss "
            "Ephemeris, as the natal reading must be",
            err);
    }
    if (!options.typedBirth && options.files.size() != 1) {
        return UsageError("--transits takes one reading: one file or one birth as options", err);
    }
    const std::string source = options.typedBirth ? std::string() : options.files.front();
    // Missing or damaged files are no wrong call: they are told as a
    // reading's would be, naming the file.
    if (const EphemerisFiles& files = PrepareThreadEphemeris(); !files.found) {
        err << ProblemLine(source, files.problem);
        return EXIT_FAILED;
    }
    if (const std::optional<Refusal> problem = TransitSpanProblem(
            options.transits->span, options.transits->threshold,
            *SwissPositionSources(options.ephemeris.ayanamsa, options.ephemeris.node)())) {
        return UsageError(problem->message, err);
    }
    const Result<ReportedReading> natal = NatalReading(options);
    if (!natal) {
        err << ProblemLine(source, natal.refusal().message);
        return EXIT_FAILED;
    }
    const TransitRequest request = RequestFor(options, natal->calculation);
    TransitWriter writer(options.format, request.points, natal->calculation, out);
    writer.Begin();
    bool writable = true;
    const Result<TransitCounts> counts = SearchTransits(
        request, SwissPositionSources(options.ephemeris.ayanamsa, options.ephemeris.node),
        [&](const TransitEvent& event) { writable = writable && writer.Write(event); },
        [&writable](double) { return writable; });
    writer.End();
    // A closed output ends the search early: only the write failure is told.
    if (!out.flush()) {
        err << ProblemLine({}, "cannot write the output");
        return EXIT_FAILED;
    }
    if (!counts) {
        err << ProblemLine(source, counts.refusal().message);
        return EXIT_FAILED;
    }
    if (counts->threads < request.threads) {
        err << ProblemLine({}, "warning: only 1 of " + std::to_string(request.threads) +
                                   " threads could be started; the transits were searched on one");
    }
    return EXIT_PRINTED;
}

}  // namespace sarovin
