// Names that no file reader may block on, fail on or read without end: the
// one table of bad paths that the test of every reader runs.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/safefile.h"

enum class BadFile { Pipe, Folder, Device, Oversized, Missing, Unreadable };

inline const struct BadFileRow {
    const char* name;
    BadFile kind;
} BadFiles[] = {{"named pipe", BadFile::Pipe},  {"folder", BadFile::Folder},
                {"/dev/zero", BadFile::Device}, {"oversized", BadFile::Oversized},
                {"missing", BadFile::Missing},  {"unreadable", BadFile::Unreadable}};

// Puts the bad file under `path`, in place of whatever was there. False when
// it cannot be made here: root reads a file without read permission.
inline bool MakeBadFile(BadFile kind, const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    fs::remove_all(path);
    if (kind == BadFile::Pipe) return ::mkfifo(path.c_str(), 0644) == 0;
    if (kind == BadFile::Folder) return fs::create_directory(path);
    if (kind == BadFile::Device) fs::create_symlink("/dev/zero", path);
    if (kind == BadFile::Oversized || kind == BadFile::Unreadable) std::ofstream(path) << "*$";
    // Sparse: one byte over the bound costs no disk space.
    if (kind == BadFile::Oversized) fs::resize_file(path, MaxReadFileBytes + 1);
    if (kind == BadFile::Unreadable) fs::permissions(path, fs::perms::none);
    return kind != BadFile::Unreadable || ::geteuid() != 0;
}
