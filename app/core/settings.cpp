#include "app/core/settings.h"

#include <cerrno>
#include <cstdlib>
#include <type_traits>

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include "app/core/ini_file.h"

namespace quintavo::appcore {

const std::array<SettingKey, 31> SettingKeys = {{
    {"Extended", "bAskForSaving", &Settings::bAskForSaving},
    {"Language", "CurrentLanguageID", &Settings::CurrentLanguageID},
    {"BoardSettings", "PathPic", &Settings::PathPic},
    {"BoardSettings", "ShowIt", &Settings::ShowIt},
    {"Settings", "AnimatedMoves", &Settings::AnimatedMoves},
    {"Settings", "BoardLines", &Settings::BoardLines},
    {"Settings", "ComputerPlaysBlack", &Settings::ComputerPlaysBlack},
    {"Settings", "ComputerPlaysWhite", &Settings::ComputerPlaysWhite},
    {"Settings", "DisplayCoordsWest", &Settings::DisplayCoordsWest},
    {"Settings", "DisplayCoordsNorth", &Settings::DisplayCoordsNorth},
    {"Settings", "DisplayCoordsEast", &Settings::DisplayCoordsEast},
    {"Settings", "DisplayCoordsSouth", &Settings::DisplayCoordsSouth},
    {"Settings", "WhiteOnTop", &Settings::WhiteOnTop},
    {"Settings", "WhiteKingSide", &Settings::WhiteKingSide},
    {"Settings", "WhiteQueenSide", &Settings::WhiteQueenSide},
    {"Settings", "BlackKingSide", &Settings::BlackKingSide},
    {"Settings", "BlackQueenSide", &Settings::BlackQueenSide},
    {"Settings", "PieceSet", &Settings::PieceSet},
    {"Settings", "SearchDepth", &Settings::SearchDepth},
    {"Settings", "ThinkingPriority", &Settings::ThinkingPriority},
    {"Settings", "SquareColorDark", &Settings::SquareColorDark},
    {"Settings", "SquareColorLight", &Settings::SquareColorLight},
    {"Settings", "ColorFrame", &Settings::ColorFrame},
    {"Options", "Preview", &Settings::Preview},
    {"Settings", "iTimeLimit", &Settings::iTimeLimit},
    {"Settings", "ShowCasteling", &Settings::ShowCasteling},
    {"Settings", "ShowMate", &Settings::ShowMate},
    {"Settings", "ShowChess", &Settings::ShowChess},
    {"Settings", "ShowDraw", &Settings::ShowDraw},
    {"Settings", "ShowThreeFoldPos", &Settings::ShowThreeFoldPos},
    {"Custom", "CustomEngine", &Settings::CustomEngine},
}};

Settings ReadSettings(const IniFile& ini) {
    const Settings defaults;
    Settings settings;
    for (const SettingKey& key : SettingKeys) {
        std::visit(
            [&](auto member) {
                using T = std::remove_reference_t<decltype(settings.*member)>;
                if constexpr (std::is_same_v<T, bool>)
                    settings.*member = ini.ReadBool(key.Section, key.Key, defaults.*member);
                else if constexpr (std::is_same_v<T, int>)
                    settings.*member = ini.ReadInteger(key.Section, key.Key, defaults.*member);
                else
                    settings.*member = ini.ReadString(key.Section, key.Key, defaults.*member);
            },
            key.Variable);
    }
    // A language beyond the tables would leave every message empty, and a
    // limit below a few seconds would end every game at the first tick.
    if (settings.CurrentLanguageID < 0 || settings.CurrentLanguageID > 3)
        settings.CurrentLanguageID = defaults.CurrentLanguageID;
    if (settings.iTimeLimit < MinTimeLimit || settings.iTimeLimit > MaxTimeLimit)
        settings.iTimeLimit = defaults.iTimeLimit;
    return settings;
}

void WriteSettings(const Settings& settings, IniFile& ini) {
    for (const SettingKey& key : SettingKeys) {
        std::visit(
            [&](auto member) {
                using T = std::remove_cvref_t<decltype(settings.*member)>;
                if constexpr (std::is_same_v<T, bool>)
                    ini.WriteBool(key.Section, key.Key, settings.*member);
                else if constexpr (std::is_same_v<T, int>)
                    ini.WriteInteger(key.Section, key.Key, settings.*member);
                else
                    ini.WriteString(key.Section, key.Key, settings.*member);
            },
            key.Variable);
    }
}

Settings ReadFromIni(const std::filesystem::path& path) {
    IniFile ini;
    ini.Load(path);
    return ReadSettings(ini);
}

FileResult SaveToIni(const Settings& settings, const std::filesystem::path& path) {
    IniFile ini;
    const auto status = ini.Load(path);
    if (status == IniFile::LoadStatus::TooLarge || status == IniFile::LoadStatus::Unreadable)
        return ini.Save(path); // refuses, with the reason
    WriteSettings(settings, ini);
    return ini.Save(path);
}

namespace {

// Creating a file is the only sure test: permission bits say nothing to root
// and nothing about a read-only mount.
bool FolderIsWritable(const std::filesystem::path& folder) {
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec)) return false;
    const auto probe = folder / (".quintavo-probe-" + std::to_string(::getpid()));
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return errno == EEXIST;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

std::filesystem::path ConfigHome() {
    // Relative values are to be ignored.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/') return xdg;
    if (const char* home = std::getenv("HOME"); home && home[0] == '/')
        return std::filesystem::path(home) / ".config";
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/')
        return std::filesystem::path(pw->pw_dir) / ".config";
    return {};
}

} // namespace

std::filesystem::path SettingsFilePath(const std::filesystem::path& executableFolder) {
    std::error_code ec;
    const bool ownsItsFolder =
        std::filesystem::exists(executableFolder / SettingsFileName, ec) ||
        std::filesystem::exists(executableFolder.parent_path() / "CMakeCache.txt", ec);
    if (ownsItsFolder && FolderIsWritable(executableFolder))
        return executableFolder / SettingsFileName;
    if (const auto home = ConfigHome(); !home.empty()) {
        const auto folder = home / "quintavo";
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (std::filesystem::is_directory(folder, ec)) return folder / SettingsFileName;
    }
    return executableFolder / SettingsFileName;
}

} // namespace quintavo::appcore
