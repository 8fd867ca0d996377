#pragma once

#include <unistd.h>

namespace sarovin {

// An open file descriptor, closed when the read that opened it ends,
// however it ends.
class FileDescriptor {
  public:
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    int get() const { return descriptor_; }

  private:
    int descriptor_;
};

}  // namespace sarovin
