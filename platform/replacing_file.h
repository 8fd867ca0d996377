#pragma once

#include <QIODevice>
#include <filesystem>
#include <string>
#include <string_view>

namespace sarovin {

// A file written beside its target under a passing name, which takes the
// target's place only when committed: a failed write, or a file dropped
// uncommitted, leaves any older file as it was. An older file keeps its
// permissions, one the user may not write is not replaced, and a symbolic
// link keeps the file it points to. Only an ordinary file is replaced: a
// folder, FIFO, device or socket is left untouched, and so is whatever a
// link leads to that another account planted in a shared sticky folder
// (as the system's own rule for such links has it). The file is written
// unnamed, so nothing is left should the program end before the commit,
// however it ends; where the file system has no unnamed files it has a
// hidden passing name, removed when the program is ended by SIGINT,
// SIGTERM or SIGHUP. The
// target is named by the system's bytes, so folders whose names are not
// UTF-8 work.
//
// Writers such as QPdfWriter do not look at what each write returns, so
// every failure is remembered and the file is never committed after one.
class ReplacingFile : public QIODevice {
  public:
    explicit ReplacingFile(std::filesystem::path target);
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;
    ~ReplacingFile() override;

    // Makes the passing file and opens the device for writing; false when
    // the target may not be replaced or the folder takes no new file.
    bool Open();
    // Writes out what is buffered, to the disk itself, and puts the file in
    // the target's place; false when any of it, or any write, failed.
    bool Commit();
    // Why Open refused the target, as a sentence for the person ("It is not
    // an ordinary file."); empty when it did not or no reason is known.
    const std::string& Problem() const { return problem_; }

  protected:
    qint64 readData(char* data, qint64 size) override;
    qint64 writeData(const char* data, qint64 size) override;

  private:
    bool MakePassingFile();
    bool NamePassingFile();
    bool WriteOut();
    void Discard();

    std::filesystem::path target_;
    std::filesystem::path passing_;
    std::string buffer_;
    std::string problem_;
    int descriptor_ = -1;
    bool failed_ = false;
};

// A failure to save ("The PDF could not be saved.") followed by why, when
// the file says.
std::string SaveFailureMessage(std::string_view failure, const ReplacingFile& file);

}  // namespace sarovin
