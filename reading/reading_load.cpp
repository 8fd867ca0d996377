#include "reading/reading_load.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/file_descriptor.h"

namespace sarovin {

namespace {

Refusal Unreadable(std::string_view why) {
    return RefuseWith(std::string(UNREADABLE_READING_MESSAGE) + " " + std::string(why));
}

}  // namespace

bool HasReadingExtension(std::string_view path) {
    return path.ends_with(READING_EXTENSION);
}

Result<std::string> LoadReadingBytes(const std::filesystem::path& path) {
    // Opened once, without blocking: a FIFO or device put in the file's place
    // is then found by the check of what was opened, not waited on.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) {
        return Unreadable(std::strerror(errno));
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        return Unreadable(std::strerror(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        return Unreadable("It is not an ordinary file.");
    }
    std::string bytes(MAX_READING_BYTES, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t count = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return Unreadable(std::strerror(errno));
        }
        if (count == 0) {
            break;
        }
        filled += static_cast<std::size_t>(count);
    }
    bytes.resize(filled);
    return bytes;
}

}  // namespace sarovin
