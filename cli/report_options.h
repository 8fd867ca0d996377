#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calculation/sky.h"
#include "cli/period_options.h"
#include "cli/transit_options.h"
#include "common/result.h"
#include "form/typed_birth.h"
#include "output/reading_format.h"

namespace sarovin {

enum class ReportAction { PrintReadings, ShowHelp, ShowVersion, ListZones, FindPlaces };

// What one call of the tool is asked to do. For PrintReadings exactly one
// of `files` and `typedBirth` holds the readings.
struct ReportOptions {
    ReportAction action = ReportAction::PrintReadings;
    OutputFormat format = OutputFormat::Text;
    EphemerisChoice ephemeris;
    // Threads computing readings, at least one.
    int jobs = 1;
    std::vector<std::string> files;
    std::optional<TypedBirth> typedBirth;
    // The text of --find-place.
    std::string placeQuery;
    // The file --pdf writes the readings' pages to, in place of printing
    // them; empty without --pdf.
    std::string pdfPath;
    // --compare: the two files are compared instead of printed one by one.
    bool compare = false;
    // The vargas --vargas asks for, as places in VargaNames; empty without.
    std::vector<int> vargas;
    // --transits FROM TO: the transits of the one reading over the span.
    std::optional<TransitOptions> transits{};
    // --dasha and --ashtakavarga: what each reading, or each transit, adds.
    PeriodOptions periods{};
};

// The number of threads when --jobs is not given: one per core.
int DefaultJobs();

// Reads the arguments after the program name. Options are "--name value"
// or "--name=value"; a repeated option keeps its last value; "--" ends the
// options. --help, --version, --zones and --find-place (in that
// precedence) leave the other arguments unused, though unknown options are
// still refused. Arguments that cannot be used are refused with what is
// wrong.
Result<ReportOptions> ParseReportArguments(const std::vector<std::string>& arguments);

}  // namespace sarovin
