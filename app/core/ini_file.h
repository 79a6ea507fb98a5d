// An ini file of sections and key=value lines with the classic private-profile
// behaviour: names compare without regard to case, values are kept as text,
// an existing key is updated where it stands, a new key joins the end of its
// section and a new section the end of the file, and every line the program
// does not understand is written back unchanged.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/file_io.h"

namespace quintavo::appcore {

// Decimal with an optional sign, or hexadecimal after "0x", "0X" or "$"
// (a sign may come first); leading and trailing blanks are allowed. Anything
// else, and any value outside 32 bits, gives nothing. Hexadecimal values up to
// FFFFFFFF are taken as 32-bit patterns, as colours are.
std::optional<int> ParseIniInteger(std::string_view text);

class IniFile {
public:
    // Larger files are read only in part and never written back.
    static constexpr std::size_t MaxFileSize = std::size_t{1} << 20;

    enum class LoadStatus {
        Loaded,     // the whole file
        Missing,    // no file yet: empty, and the first Save creates it
        TooLarge,   // the lines within the first MaxFileSize bytes
        Unreadable, // empty
    };

    // Replaces the content by the file's. After TooLarge or Unreadable, Save
    // refuses, so what could not be read is never overwritten.
    LoadStatus Load(const std::filesystem::path& path);
    // Replaces the content by this text.
    void Parse(std::string_view text);
    // The whole file as it would be saved.
    std::string Text() const;
    FileResult Save(const std::filesystem::path& path) const;

    // Reading; a missing section or key gives the default.
    std::optional<std::string> ReadValue(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // A malformed number gives the default too.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // Read as an integer: any value other than 0 is true.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Writing; section and key names must not hold line breaks, "=" or "]".
    // Line breaks in a value cannot be stored on one line and are dropped.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

private:
    enum class LineKind { Other, Section, Key };
    struct Line {
        std::string Text; // as in the file, without its line ending
        LineKind Kind = LineKind::Other;
        std::string Name;  // section or key name, trimmed
        std::string Value; // a key's value, trimmed
    };

    static Line Classify(std::string text);
    // Index of the first section header with this name, if any.
    std::optional<std::size_t> FindSection(std::string_view section) const;
    // One past the section's last line (the next header or the end).
    std::size_t SectionEnd(std::size_t header) const;
    std::optional<std::size_t> FindKey(std::string_view section, std::string_view key) const;

    std::vector<Line> m_lines;
    bool m_crlf = false;
    bool m_writable = true;
};

} // namespace quintavo::appcore
