// Files written whole or not at all. The content goes to a temporary file in
// the target's folder, which replaces the target only after every write and
// the close succeeded; on any failure the temporary file is removed and an
// existing target stays exactly as it was.
#pragma once

#include <functional>
#include <ostream>
#include <string>

// The message every window shows when a file could not be written.
inline constexpr const char* FileWriteFailedMessage = "The file could not be written.";

// Calls write with a stream on the temporary file; a false return or a failed
// stream discards the file. Returns whether the target now holds the content.
bool WriteFileAtomically(const std::string& path, const std::function<bool(std::ostream&)>& write);
bool WriteFileAtomically(const std::string& path, const std::string& content);
