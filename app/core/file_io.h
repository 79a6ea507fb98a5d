// Bounded reading and atomic replacing of the small files the game window
// keeps: the settings file and saved games.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace quintavo::appcore {

// Success, or the system's error text for the file.
struct FileResult {
    bool Ok = true;
    std::string Error;

    explicit operator bool() const { return Ok; }
    static FileResult Failure(std::string error) { return {false, std::move(error)}; }
};

enum class ReadStatus {
    Read,       // Data holds the whole file
    Missing,    // no such file
    TooLarge,   // Data holds the first `limit` bytes only
    Unreadable, // not a regular file, or the system refused; Error says why
};

struct ReadResult {
    ReadStatus Status = ReadStatus::Missing;
    std::string Data;
    std::string Error;
};

// Reads at most `limit` bytes of a regular file; never blocks on a pipe or
// device and never trusts the size the system reports.
ReadResult ReadFileBounded(const std::filesystem::path& path, std::size_t limit);

// Writes `data` to a temporary file beside `path`, flushes it to the disk
// and renames it over `path`, so the old file stays whole on any failure.
// A symbolic link is followed and its target replaced; an existing file's
// permissions are kept.
FileResult WriteFileAtomically(const std::filesystem::path& path, std::string_view data);

// "path: reason", the text shown to the user for a failed file operation.
std::string SystemErrorText(const std::filesystem::path& path, int errorNumber);

} // namespace quintavo::appcore
