#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "cli/reading_output.h"
#include "cli/report_options.h"

namespace sarovin {

// Writes readings as they come: in text a blank line between readings, in
// JSON one array holding an object per reading (an empty array when none
// is printed), in JSON Lines one object a line. Output is gathered into
// blocks and flushed before each line on standard error, so that the two
// keep their order on a terminal, and before the block grows large. Write
// and End return false once `out` cannot be written.
class ReportWriter {
  public:
    ReportWriter(OutputFormat format, std::ostream& out, std::ostream& err);
    void Begin();
    bool Write(const ReadingOutput& reading);
    bool End();

  private:
    bool Flush();
    void Problems(std::string_view lines);

    OutputFormat format_;
    std::ostream& out_;
    std::ostream& err_;
    std::string pending_;
    bool anyWritten_ = false;
};

}  // namespace sarovin
