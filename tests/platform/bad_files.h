// Names that no file reader may block on, fail on or read without end: the
// one table of bad paths that the test of every reader runs.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/safefile.h"

enum class BadFile { Pipe, Folder, Device, Oversized, Missing, Unreadable };

struct BadFileRow {
    const char* name;
    BadFile kind;
};

inline const BadFileRow BadFiles[] = {
    {"named pipe", BadFile::Pipe},      {"folder", BadFile::Folder},
    {"/dev/zero", BadFile::Device},     {"oversized file", BadFile::Oversized},
    {"missing file", BadFile::Missing}, {"unreadable file", BadFile::Unreadable},
};

// Puts the bad file under `path`, in place of whatever was there. False when
// the row cannot be made here: root reads a file without read permission.
inline bool MakeBadFile(BadFile kind, const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    fs::remove_all(path);
    switch (kind) {
        case BadFile::Pipe:
            return ::mkfifo(path.c_str(), 0644) == 0;
        case BadFile::Folder:
            return fs::create_directory(path);
        case BadFile::Device:
            fs::create_symlink("/dev/zero", path);
            return true;
        case BadFile::Oversized:
            // Sparse: one byte over the bound costs no disk space.
            std::ofstream(path).put('*');
            fs::resize_file(path, MaxReadFileBytes + 1);
            return true;
        case BadFile::Missing:
            return true;
        case BadFile::Unreadable:
            std::ofstream(path) << "\n*$\n";
            fs::permissions(path, fs::perms::none);
            return ::geteuid() != 0;
    }
    return false;
}
