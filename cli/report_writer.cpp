#include "cli/report_writer.h"

namespace sarovin {

namespace {

constexpr std::string_view JSON_OPEN = "[\n";
constexpr std::string_view JSON_SEPARATOR = ",\n";
constexpr std::string_view JSON_CLOSE = "]\n";
constexpr std::string_view READING_SEPARATOR = "\n";
constexpr std::string_view LINE_END = "\n";
// Output is written once this much has gathered.
constexpr std::size_t BLOCK_SIZE = 64 * 1024;

void WriteText(std::ostream& stream, std::string_view text) {
    stream.write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace

ReportWriter::ReportWriter(OutputFormat format, std::ostream& out, std::ostream& err)
    : format_(format), out_(out), err_(err) {}

bool ReportWriter::Flush() {
    if (!pending_.empty()) {
        WriteText(out_, pending_);
        pending_.clear();
    }
    return static_cast<bool>(out_.flush());
}

void ReportWriter::Problems(std::string_view lines) {
    WriteText(err_, lines);
    err_.flush();
}

void ReportWriter::Begin() {
    if (format_ == OutputFormat::Json) {
        pending_ += JSON_OPEN;
    }
}

bool ReportWriter::Write(const ReadingOutput& reading) {
    if (!reading.problems.empty()) {
        if (!Flush()) {
            return false;
        }
        Problems(reading.problems);
    }
    if (reading.refused) {
        return true;
    }
    if (anyWritten_ && format_ != OutputFormat::JsonLines) {
        pending_ += format_ == OutputFormat::Json ? JSON_SEPARATOR : READING_SEPARATOR;
    }
    pending_ += reading.printed;
    if (format_ == OutputFormat::JsonLines) {
        pending_ += LINE_END;
    }
    anyWritten_ = true;
    return pending_.size() < BLOCK_SIZE || Flush();
}

bool ReportWriter::End() {
    if (format_ == OutputFormat::Json) {
        // The last element still lacks its line end.
        if (anyWritten_) {
            pending_ += LINE_END;
        }
        pending_ += JSON_CLOSE;
    }
    return Flush();
}

}  // namespace sarovin
