// Any bytes given to the ini reader: no crash, no undefined behaviour; the
// settings written into it read back as written, and a second rewrite
// changes nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/core/ini_file.h"
#include "app/core/settings.h"

using namespace quintavo::appcore;

namespace {

// What a text value becomes once stored: one line, outer blanks dropped.
std::string Stored(std::string_view value) {
    std::string text;
    for (char c : value)
        if (c != '\r' && c != '\n') text += c;
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

Settings Reread(const Settings& settings, IniFile& ini, std::string& text) {
    WriteSettings(settings, ini);
    text = ini.Text();
    ini.Parse(text);
    return ReadSettings(ini);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto number = ParseIniInteger(bytes))
        if (ParseIniInteger(std::to_string(*number)) != number) __builtin_trap();

    IniFile ini;
    ini.Parse(bytes);
    const Settings first = ReadSettings(ini);

    std::string text1, text2;
    const Settings second = Reread(first, ini, text1);
    Settings expected = first;
    expected.PathPic = Stored(first.PathPic);
    if (second != expected) __builtin_trap();
    for (const SettingKey& key : SettingKeys)
        if (!ini.ReadValue(key.Section, key.Key)) __builtin_trap();

    const Settings third = Reread(second, ini, text2);
    if (third != second) __builtin_trap();
    std::string text3;
    Reread(third, ini, text3);
    if (text3 != text2) __builtin_trap();
    return 0;
}
