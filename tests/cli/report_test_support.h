#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/result.h"

#include "cli/run_report.h"
#include "engine/birth_record.h"
#include "reading/reading_write.h"
#include "tests/support/reading_folder.h"
#include "tests/support/sample_births.h"

namespace sarovin::testing {

// The message of a refusal, or an empty text when there is a value.
template <typename T>
std::string RefusalOf(const Result<T>& result) {
    return result ? std::string() : result.refusal().message;
}

// The options that type the Asha Rao reading.
inline std::vector<std::string> AshaRaoOptions() {
    return {"--day",   "15",         "--month",   "6",      "--year",   "1980",        "--hour",
            "8",       "--minute",   "30",        "--zone", "34",       "--longitude", "77:12",
            "--east",  "--latitude", "28:36",     "--name", "Asha Rao", "--city",      "New Delhi",
            "--state", "Delhi",      "--country", "India"};
}

struct ProgramRun {
    int status;
    std::string out;
    std::string err;
};

// Runs the built program with the arguments as given, no shell between,
// and the environment with `extra` added.
inline ProgramRun RunProgram(const QStringList& arguments, const QStringList& extra = {}) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& setting : extra) {
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    }
    program.setProcessEnvironment(environment);
    program.start(QString::fromUtf8(REPORT_PROGRAM), arguments);
    if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit) {
        return {-1, {}, {}};
    }
    return {program.exitCode(), program.readAllStandardOutput().toStdString(),
            program.readAllStandardError().toStdString()};
}

struct RunResult {
    int status = 0;
    std::string out;
    std::string err;
};

inline RunResult RunTool(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    RunResult result;
    result.status = RunReport(arguments, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

inline std::vector<std::string> Joined(std::vector<std::string> first,
                                       const std::vector<std::string>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

}  // namespace sarovin::testing
