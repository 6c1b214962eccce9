#include "platform/safefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <sstream>
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

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file a chain of symbolic links ends in; a relative link is taken from
// the folder that holds it. The end may not exist yet (a new file, or a link
// to one). Fails on a loop of links or a path that cannot be looked at.
bool FollowLinks(std::string& path) {
    // The system's own limit on links followed in one path.
    constexpr int MaxLinks = 40;
    for (int link = 0; link <= MaxLinks; ++link) {
        struct stat info;
        if (::lstat(path.c_str(), &info) != 0) return errno == ENOENT;
        if (!S_ISLNK(info.st_mode)) return true;
        std::vector<char> target(PATH_MAX);
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) return false;
        const std::string named(target.data(), static_cast<std::size_t>(length));
        path = named[0] == '/' ? named : FolderOf(path) + named;
    }
    return false;
}

// The permission bits the new file gets: those of the file it replaces, or
// those a plain new file would get. Fails on a target that is no regular file
// (a folder, a device, a pipe) or one the user may not write to.
bool PermissionsFor(const std::string& path, mode_t& mode) {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT) return false;
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
        return true;
    }
    if (!S_ISREG(info.st_mode) || ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return false;
    mode = info.st_mode & 07777;
    return true;
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes the bytes to a new file beside `target` and renames it over the
// target once they are on the disk.
bool ReplaceFile(const std::string& target, const std::string& bytes, mode_t mode) {
    // A short name, so that a target name at the folder's length limit still
    // leaves room for it; the rename keeps it within one file system.
    std::string temporary = FolderOf(target) + ".tmp-XXXXXX";
    Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.Get() < 0) return false;
    const bool written =
        ::fchmod(file.Get(), mode) == 0 && WriteAll(file.Get(), bytes) && ::fsync(file.Get()) == 0;
    if (file.Close() && written && ::rename(temporary.c_str(), target.c_str()) == 0) return true;
    ::unlink(temporary.c_str());
    return false;
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

bool WriteFileAtomically(const std::string& path, const std::string& content) {
    std::string target = path;
    mode_t mode = 0;
    if (path.empty() || !FollowLinks(target) || !PermissionsFor(target, mode)) return false;
    return ReplaceFile(target, content, mode);
}

bool WriteFileAtomically(const std::string& path, const std::function<bool(std::ostream&)>& write) {
    std::ostringstream out;
    if (!write(out) || !out) return false;
    return WriteFileAtomically(path, out.str());
}
