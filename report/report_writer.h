#pragma once

#include <ostream>

#include "drishti/drishti_report.h"
#include "report/report_options.h"
#include "report/reported_reading.h"

namespace sarovin {

// Writes readings to a stream as they are computed, each with a single
// write: in text a blank line between readings, in JSON one array holding
// an object per reading (an empty array when none is printed).
class ReportWriter {
  public:
    ReportWriter(OutputFormat format, std::ostream& out);
    void Begin();
    void Write(const ReportedReading& reading);
    void End();

  private:
    OutputFormat format_;
    std::ostream& out_;
    bool anyWritten_ = false;
};

}  // namespace sarovin
