#include "platform/safefile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <vector>

namespace {

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
