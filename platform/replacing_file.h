#pragma once

#include <QFile>
#include <filesystem>

namespace sarovin {

// A file written beside its target under a passing name, which takes the
// target's place only when committed: a failed write, or a file dropped
// uncommitted, leaves any older file as it was. An older file keeps its
// permissions, and a symbolic link the file it points to. The target is
// named by the system's bytes, so folders whose names are not UTF-8 work.
class ReplacingFile {
  public:
    explicit ReplacingFile(std::filesystem::path target);
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;
    ~ReplacingFile();

    // Makes the passing file; false when the folder takes no new file.
    bool Open();
    // Where the content goes, once open.
    QIODevice& Device() { return device_; }
    // Writes out what is buffered, to the disk itself, and puts the file in
    // the target's place; false when any of it failed.
    bool Commit();

  private:
    void Discard();

    std::filesystem::path target_;
    std::filesystem::path passing_;
    QFile device_;
    int descriptor_ = -1;
};

}  // namespace sarovin
