#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/birth_record.h"
#include "reading/reading_write.h"

namespace sarovin::testing {

// A path as Qt names it, as the system's bytes.
inline std::filesystem::path LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// The bytes of a file, whatever its name; empty when it cannot be read.
inline std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A folder of its own under the system's temporary folder, removed with
// everything in it at the end of the test.
class ReadingFolder {
  public:
    ReadingFolder() : path_(QFile::encodeName(folder_.path()).toStdString()) {
        if (!folder_.isValid()) {
            ADD_FAILURE() << "cannot create a temporary folder";
        }
    }
    // QTemporaryDir cannot name what lies in folders whose names are not
    // UTF-8, so their contents go by their bytes first.
    ~ReadingFolder() {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(path_, ignored)) {
            std::filesystem::remove_all(entry.path(), ignored);
        }
    }
    ReadingFolder(const ReadingFolder&) = delete;
    ReadingFolder& operator=(const ReadingFolder&) = delete;

    std::string WriteBytes(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path file = path_ / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }

    std::string WriteRecord(const std::string& name, const BirthRecord& record,
                            int zonePosition) const {
        return WriteBytes(name, WriteReading(record, zonePosition));
    }

    std::string PathOf(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }

    // The names of the files in the folder, in order.
    std::vector<std::string> FileNames() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

  private:
    QTemporaryDir folder_;
    std::filesystem::path path_;
};

}  // namespace sarovin::testing
