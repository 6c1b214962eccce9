// Files read and written without harm to the user's files.
//
// Reading: only a regular file is read, and only up to a bound that no file
// of the program's kinds comes near, so a named pipe, a device, a folder or a
// huge file named by mistake can neither block the program nor fill its
// memory.
//
// Writing: the content goes to a temporary file beside the target, which
// replaces the target only after every write, the flush to the disk and the
// close succeeded; on any failure the temporary file is removed and an
// existing target stays exactly as it was. A symbolic link is followed and
// the file it names is replaced, with its permission bits.
#pragma once

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>

// The message every window shows when a file could not be written.
inline constexpr const char* FileWriteFailedMessage = "The file could not be written.";

// Far above any results, list, init or drag-function file the program reads.
inline constexpr std::size_t MaxReadFileBytes = std::size_t{16} << 20;

enum class FileReadStatus {
    Read,         // the whole file is in the text
    Unavailable,  // missing, unreadable, or not a regular file
    TooLarge,     // a regular file longer than the bound
};

// Reads the whole regular file at `path` into `text` (emptied first), at
// most `maxBytes` of it. Never waits on a pipe or a device and never throws.
FileReadStatus ReadFileBounded(const std::string& path, std::string& text,
                               std::size_t maxBytes = MaxReadFileBytes) noexcept;

// Calls write with a stream for the new content; a false return or a failed
// stream discards it. Refuses a target that is not a regular file or that the
// user may not write. Returns whether the target now holds the content.
bool WriteFileAtomically(const std::string& path, const std::function<bool(std::ostream&)>& write);
bool WriteFileAtomically(const std::string& path, const std::string& content);
