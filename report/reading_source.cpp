#include "report/reading_source.h"

#include "form/input_checks.h"
#include "reading/reading_file.h"
#include "form/record_filling.h"

namespace sarovin {

namespace {

ReadingOutcome Refused(std::string_view message) {
    return {std::nullopt, std::string(message)};
}

}  // namespace

ReadingOutcome CalculateForm(const InputForm& checkedForm, const InputForm& form,
                             std::string source) {
    if (const CheckFailure* failure = FirstFailingCheck(checkedForm)) {
        return Refused(failure->message);
    }
    return {
        ReportedReading{std::move(source), form.zonePosition, FillBirthRecord(form, BirthRecord{})},
        {}};
}

ReadingOutcome ReadingFromFile(const std::string& path) {
    if (!HasReadingExtension(path)) {
        return Refused(WRONG_FILE_NAME_MESSAGE);
    }
    const std::optional<std::string> bytes = LoadReadingBytes(path);
    if (!bytes) {
        return Refused(UNREADABLE_MESSAGE);
    }
    InputForm form;
    RestoreReading(ReadReadingLines(*bytes), form);
    return CalculateForm(form, form, path);
}

}  // namespace sarovin
