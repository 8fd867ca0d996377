#include "report/report_writer.h"

#include <string>
#include <string_view>

#include "report/json_report.h"
#include "report/text_report.h"

namespace sarovin {

namespace {

constexpr std::string_view JSON_OPEN = "[\n";
constexpr std::string_view JSON_SEPARATOR = ",\n";
constexpr std::string_view JSON_CLOSE = "]\n";
constexpr std::string_view READING_SEPARATOR = "\n";

void WriteText(std::ostream& out, std::string_view text) {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace

ReportWriter::ReportWriter(OutputFormat format, std::ostream& out) : format_(format), out_(out) {}

void ReportWriter::Begin() {
    if (format_ == OutputFormat::Json) {
        WriteText(out_, JSON_OPEN);
    }
}

void ReportWriter::Write(const ReportedReading& reading) {
    const bool json = format_ == OutputFormat::Json;
    std::string text(anyWritten_ ? (json ? JSON_SEPARATOR : READING_SEPARATOR) : "");
    text += json ? FormatJsonElement(reading) : FormatTextReading(reading);
    WriteText(out_, text);
    anyWritten_ = true;
}

void ReportWriter::End() {
    if (format_ == OutputFormat::Json) {
        // The last element still lacks its line end.
        WriteText(out_, anyWritten_ ? "\n" + std::string(JSON_CLOSE) : std::string(JSON_CLOSE));
    }
}

}  // namespace sarovin
