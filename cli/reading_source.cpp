#include "cli/reading_source.h"

#include "reading/reading_load.h"

namespace sarovin {

Result<ReportedReading> ReadingFromFile(const std::string& path, const EphemerisChoice& choice,
                                        const CalculationScope& scope) {
    if (!HasReadingExtension(path)) {
        return RefuseWith(std::string(WRONG_FILE_NAME_MESSAGE));
    }
    const Result<std::string> bytes = LoadReadingBytes(path);
    if (!bytes) {
        return bytes.refusal();
    }
    OpenedReading opened = CalculateReading(*bytes, InputForm{}, BirthRecord{}, choice, scope);
    if (!opened.calculation) {
        return opened.calculation.refusal();
    }
    return ReportedReading{path, std::move(*opened.calculation), std::move(opened.invalid)};
}

}  // namespace sarovin
