#include "app/core/ini_file.h"

#include <cstdint>

namespace quintavo::appcore {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string OneLine(std::string_view value) {
    std::string result;
    result.reserve(value.size());
    for (char c : value)
        if (c != '\r' && c != '\n') result += c;
    return result;
}

} // namespace

std::optional<int> ParseIniInteger(std::string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool hex = false;
    if (text.size() >= 1 && text.front() == '$') {
        hex = true;
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        hex = true;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;

    std::uint64_t magnitude = 0;
    const std::uint64_t limit = hex ? 0xFFFFFFFFu : (negative ? 2147483648u : 2147483647u);
    for (char c : text) {
        const int digit = hex ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (digit < 0) return std::nullopt;
        magnitude = magnitude * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
        if (magnitude > limit) return std::nullopt;
    }
    auto bits = static_cast<std::uint32_t>(magnitude);
    if (negative) bits = ~bits + 1u;
    return static_cast<int>(bits);
}

IniFile::Line IniFile::Classify(std::string text) {
    Line line;
    line.Text = std::move(text);
    const std::string_view t = Trim(line.Text);
    if (t.empty() || t.front() == ';' || t.front() == '#') return line;
    if (t.front() == '[') {
        const auto close = t.find(']');
        if (close != std::string_view::npos) {
            line.Kind = LineKind::Section;
            line.Name = Trim(t.substr(1, close - 1));
        }
        return line;
    }
    const auto eq = t.find('=');
    if (eq == std::string_view::npos) return line;
    const std::string_view name = Trim(t.substr(0, eq));
    if (name.empty()) return line;
    line.Kind = LineKind::Key;
    line.Name = name;
    line.Value = Trim(t.substr(eq + 1));
    return line;
}

IniFile::LoadStatus IniFile::Load(const std::filesystem::path& path) {
    ReadResult read = ReadFileBounded(path, MaxFileSize);
    switch (read.Status) {
    case ReadStatus::Read:
        Parse(read.Data);
        return LoadStatus::Loaded;
    case ReadStatus::Missing:
        Parse({});
        return LoadStatus::Missing;
    case ReadStatus::TooLarge: {
        // Only whole lines; the cut one may be any part of a line.
        const auto lastBreak = read.Data.rfind('\n');
        read.Data.resize(lastBreak == std::string::npos ? 0 : lastBreak + 1);
        Parse(read.Data);
        m_writable = false;
        return LoadStatus::TooLarge;
    }
    case ReadStatus::Unreadable:
        break;
    }
    Parse({});
    m_writable = false;
    return LoadStatus::Unreadable;
}

void IniFile::Parse(std::string_view text) {
    m_lines.clear();
    m_writable = true;
    const auto firstBreak = text.find('\n');
    m_crlf = firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r';
    while (!text.empty()) {
        auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        // Every carriage return before the break goes, not just one: else
        // each rewrite would take one more from a line that ends in several.
        while (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        m_lines.push_back(Classify(std::string(line)));
    }
}

std::string IniFile::Text() const {
    const std::string_view ending = m_crlf ? "\r\n" : "\n";
    std::string text;
    for (const Line& line : m_lines) {
        text += line.Text;
        text += ending;
    }
    return text;
}

FileResult IniFile::Save(const std::filesystem::path& path) const {
    if (!m_writable)
        return FileResult::Failure(path.string() +
                                   ": the file could not be read whole and is left unchanged");
    return WriteFileAtomically(path, Text());
}

std::optional<std::size_t> IniFile::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].Kind == LineKind::Section && SameName(m_lines[i].Name, section)) return i;
    return std::nullopt;
}

std::size_t IniFile::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < m_lines.size() && m_lines[i].Kind != LineKind::Section)
        ++i;
    return i;
}

std::optional<std::size_t> IniFile::FindKey(std::string_view section, std::string_view key) const {
    const auto header = FindSection(section);
    if (!header) return std::nullopt;
    const std::size_t end = SectionEnd(*header);
    for (std::size_t i = *header + 1; i < end; ++i)
        if (m_lines[i].Kind == LineKind::Key && SameName(m_lines[i].Name, key)) return i;
    return std::nullopt;
}

std::optional<std::string> IniFile::ReadValue(std::string_view section,
                                              std::string_view key) const {
    const auto index = FindKey(section, key);
    if (!index) return std::nullopt;
    return m_lines[*index].Value;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    auto value = ReadValue(section, key);
    return value ? std::move(*value) : std::string(defaultValue);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const auto value = ReadValue(section, key);
    if (!value) return defaultValue;
    return ParseIniInteger(*value).value_or(defaultValue);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    const auto value = ReadValue(section, key);
    if (!value) return defaultValue;
    const auto number = ParseIniInteger(*value);
    return number ? *number != 0 : defaultValue;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::string text(key);
    text += '=';
    text += OneLine(value);

    if (const auto index = FindKey(section, key)) {
        m_lines[*index] = Classify(std::move(text));
        return;
    }
    if (const auto header = FindSection(section)) {
        // After the section's last non-blank line, so blank lines that set
        // sections apart stay between them.
        std::size_t at = SectionEnd(*header);
        while (at > *header + 1 && Trim(m_lines[at - 1].Text).empty())
            --at;
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at),
                       Classify(std::move(text)));
        return;
    }
    if (!m_lines.empty() && !Trim(m_lines.back().Text).empty()) m_lines.push_back(Classify({}));
    m_lines.push_back(Classify("[" + std::string(section) + "]"));
    m_lines.push_back(Classify(std::move(text)));
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

} // namespace quintavo::appcore
