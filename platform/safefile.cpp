#include "platform/safefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

// Closes a descriptor on every way out of a function.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    // Closes now and tells whether the close succeeded, which for a written
    // file is part of whether the write did.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

// A unique, already created temporary file beside the target, so the final
// rename stays within one file system.
bool CreateTemporaryBeside(const std::string& path, std::string& temporary) {
    std::vector<char> name(path.begin(), path.end());
    const char suffix[] = ".tmp-XXXXXX";
    name.insert(name.end(), suffix, suffix + sizeof suffix);
    const int fd = mkstemp(name.data());
    if (fd < 0) return false;
    // mkstemp creates the file readable by its owner only; give it the mode a
    // plain new file would get.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    close(fd);
    temporary.assign(name.data());
    return true;
}

}  // namespace

FileReadStatus ReadFileBounded(const std::string& path, std::string& text,
                               std::size_t maxBytes) noexcept {
    text.clear();
    try {
        // Looked at before it is opened, so that no device is ever opened;
        // looked at again once open, in case the name changed in between.
        // Opening without blocking keeps a pipe put there meanwhile from
        // waiting for a writer.
        struct stat info;
        if (path.empty() || ::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
            return FileReadStatus::Unavailable;
        Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (file.Get() < 0 || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode))
            return FileReadStatus::Unavailable;
        if (static_cast<unsigned long long>(info.st_size) > maxBytes)
            return FileReadStatus::TooLarge;
        // The size may change while the file is read: the bound is kept on
        // what is read, not on what the size said.
        char chunk[1 << 16];
        for (;;) {
            const ssize_t n = ::read(file.Get(), chunk, sizeof chunk);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                text.clear();
                return FileReadStatus::Unavailable;
            }
            if (n == 0) return FileReadStatus::Read;
            if (text.size() + static_cast<std::size_t>(n) > maxBytes) {
                text.clear();
                return FileReadStatus::TooLarge;
            }
            text.append(chunk, static_cast<std::size_t>(n));
        }
    } catch (...) {
        // Only running out of memory can throw here.
        text.clear();
        return FileReadStatus::Unavailable;
    }
}

bool WriteFileAtomically(const std::string& path, const std::function<bool(std::ostream&)>& write) {
    std::string temporary;
    if (path.empty() || !CreateTemporaryBeside(path, temporary)) return false;
    bool ok = false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out) {
            ok = write(out);
            out.flush();
            ok = ok && out.good();
            out.close();
            ok = ok && !out.fail();
        }
    }
    if (ok && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    std::remove(temporary.c_str());
    return false;
}

bool WriteFileAtomically(const std::string& path, const std::string& content) {
    return WriteFileAtomically(path, [&content](std::ostream& out) {
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        return bool(out);
    });
}
