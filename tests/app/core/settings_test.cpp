#include "app/core/settings.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include <gtest/gtest.h>

#include "app/core/ini_file.h"
#include "tests/app/core/test_folder.h"

namespace quintavo::appcore {
namespace {

using test::ReadAll;
using test::TestFolder;
using test::WriteAll;

constexpr std::string_view FreshFile = "[Extended]\n"
                                       "bAskForSaving=1\n"
                                       "\n"
                                       "[Language]\n"
                                       "CurrentLanguageID=0\n"
                                       "\n"
                                       "[BoardSettings]\n"
                                       "PathPic=\n"
                                       "ShowIt=0\n"
                                       "\n"
                                       "[Settings]\n"
                                       "AnimatedMoves=1\n"
                                       "BoardLines=0\n"
                                       "ComputerPlaysBlack=1\n"
                                       "ComputerPlaysWhite=0\n"
                                       "DisplayCoordsWest=1\n"
                                       "DisplayCoordsNorth=1\n"
                                       "DisplayCoordsEast=1\n"
                                       "DisplayCoordsSouth=1\n"
                                       "WhiteOnTop=0\n"
                                       "WhiteKingSide=1\n"
                                       "WhiteQueenSide=1\n"
                                       "BlackKingSide=1\n"
                                       "BlackQueenSide=1\n"
                                       "PieceSet=0\n"
                                       "SearchDepth=3\n"
                                       "ThinkingPriority=0\n"
                                       "SquareColorDark=8421504\n"
                                       "SquareColorLight=16777215\n"
                                       "ColorFrame=12632256\n"
                                       "iTimeLimit=300\n"
                                       "ShowCasteling=1\n"
                                       "ShowMate=1\n"
                                       "ShowChess=1\n"
                                       "ShowDraw=1\n"
                                       "ShowThreeFoldPos=1\n"
                                       "\n"
                                       "[Options]\n"
                                       "Preview=1\n"
                                       "\n"
                                       "[Custom]\n"
                                       "CustomEngine=0\n";

// Every variable away from its default.
Settings Changed() {
    Settings s;
    s.bAskForSaving = false;
    s.CurrentLanguageID = 2;
    s.PathPic = "/home/player/my pieces.bmp";
    s.ShowIt = true;
    s.AnimatedMoves = false;
    s.BoardLines = true;
    s.ComputerPlaysBlack = false;
    s.ComputerPlaysWhite = true;
    s.DisplayCoordsWest = false;
    s.DisplayCoordsNorth = false;
    s.DisplayCoordsEast = false;
    s.DisplayCoordsSouth = false;
    s.WhiteOnTop = true;
    s.WhiteKingSide = false;
    s.WhiteQueenSide = false;
    s.BlackKingSide = false;
    s.BlackQueenSide = false;
    s.PieceSet = 12;
    s.SearchDepth = 8;
    s.ThinkingPriority = -3;
    s.SquareColorDark = 0x123456;
    s.SquareColorLight = 0x654321;
    s.ColorFrame = 0;
    s.Preview = false;
    s.iTimeLimit = 3600;
    s.ShowCasteling = false;
    s.ShowMate = false;
    s.ShowChess = false;
    s.ShowDraw = false;
    s.ShowThreeFoldPos = false;
    s.CustomEngine = true;
    return s;
}

TEST(Settings, AFreshFileHoldsAll31KeysInOrderWithTheirDefaults) {
    TestFolder dir;
    const auto path = dir / "quintavo.ini";
    EXPECT_EQ(ReadFromIni(path), Settings{});
    ASSERT_TRUE(SaveToIni(Settings{}, path));
    EXPECT_EQ(ReadAll(path), FreshFile);
}

TEST(Settings, EveryKeyRoundTripsAndIsRewrittenInPlace) {
    TestFolder dir;
    const auto path = dir / "quintavo.ini";
    ASSERT_TRUE(SaveToIni(Settings{}, path));
    const Settings changed = Changed();
    ASSERT_TRUE(SaveToIni(changed, path));
    EXPECT_EQ(ReadFromIni(path), changed);
    // Same keys, same lines: nothing appended a second time.
    const std::string text = ReadAll(path);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'),
              std::count(FreshFile.begin(), FreshFile.end(), '\n'));
}

TEST(Settings, MalformedValuesGiveDefaultsAndForeignLinesSurvive) {
    TestFolder dir;
    const auto path = dir / "quintavo.ini";
    WriteAll(path, "# kept\n"
                   "[settings]\n"
                   "searchdepth=deep\n"
                   "PieceSet=$C\n"
                   "SquareColorDark=0x00FF00\n"
                   "ComputerPlaysBlack=no\n"
                   "WhiteOnTop=5\n"
                   "Mystery=42\n"
                   "[Plugins]\n"
                   "enabled=1\n");
    Settings before = Changed(); // what the variables held must not matter
    before = ReadFromIni(path);
    EXPECT_EQ(before.SearchDepth, 3);
    EXPECT_EQ(before.PieceSet, 12);
    EXPECT_EQ(before.SquareColorDark, 0x00FF00);
    EXPECT_TRUE(before.ComputerPlaysBlack);
    EXPECT_TRUE(before.WhiteOnTop);

    ASSERT_TRUE(SaveToIni(before, path));
    const std::string text = ReadAll(path);
    EXPECT_NE(text.find("# kept\n[settings]\nSearchDepth=3\nPieceSet=12\n"), std::string::npos);
    EXPECT_NE(text.find("Mystery=42\n"), std::string::npos);
    EXPECT_NE(text.find("[Plugins]\nenabled=1\n"), std::string::npos);
    EXPECT_EQ(ReadFromIni(path), before);
}

// A language the tables lack or a time limit outside the dialog's range
// would blank every message or end every game; they read as the defaults.
TEST(Settings, ValuesOutsideTheirRangesReadAsDefaults) {
    struct Case {
        const char* language;
        const char* seconds;
        int expectedLanguage;
        int expectedSeconds;
    };
    constexpr Case Cases[] = {
        {"3", "5", 3, 5},    {"0", "3600", 0, 3600}, {"4", "4", 0, 300},
        {"-1", "0", 0, 300}, {"99", "-20", 0, 300},  {"2", "3601", 2, 300},
    };
    TestFolder dir;
    const auto path = dir / "quintavo.ini";
    for (const Case& c : Cases) {
        SCOPED_TRACE(std::string(c.language) + " " + c.seconds);
        WriteAll(path, std::string("[Language]\nCurrentLanguageID=") + c.language +
                           "\n[Settings]\niTimeLimit=" + c.seconds + "\n");
        const Settings read = ReadFromIni(path);
        EXPECT_EQ(read.CurrentLanguageID, c.expectedLanguage);
        EXPECT_EQ(read.iTimeLimit, c.expectedSeconds);
    }
}

TEST(Settings, AFileTooLargeToReadWholeIsNeverOverwritten) {
    TestFolder dir;
    const auto path = dir / "quintavo.ini";
    std::string big = "[Settings]\nSearchDepth=6\n";
    big.append(IniFile::MaxFileSize, ';');
    WriteAll(path, big);
    EXPECT_EQ(ReadFromIni(path).SearchDepth, 6);
    EXPECT_FALSE(SaveToIni(Settings{}, path));
    EXPECT_EQ(ReadAll(path), big);
}

// Sets or clears an environment variable for one test.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) m_old = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { m_old ? ::setenv(m_name, m_old->c_str(), 1) : ::unsetenv(m_name); }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(SettingsFilePath, BesideTheProgramInItsBuildFolder) {
    TestFolder build;
    WriteAll(build / "CMakeCache.txt", "");
    std::filesystem::create_directory(build / "bin");
    EXPECT_EQ(SettingsFilePath(build / "bin"), build / "bin" / "quintavo.ini");
    EXPECT_EQ(test::Entries(build / "bin"), std::vector<std::string>{});

    TestFolder portable; // a settings file put beside the program keeps it there
    WriteAll(portable / "quintavo.ini", "");
    EXPECT_EQ(SettingsFilePath(portable.Path()), portable / "quintavo.ini");
}

TEST(SettingsFilePath, AnInstalledProgramUsesTheConfigFolderEvenWhenItCouldWrite) {
    TestFolder prefix; // writable, as /usr is for root
    std::filesystem::create_directory(prefix / "bin");
    ScopedEnv xdg("XDG_CONFIG_HOME", (prefix / "xdg").c_str());
    EXPECT_EQ(SettingsFilePath(prefix / "bin"), prefix / "xdg" / "quintavo" / "quintavo.ini");
    EXPECT_EQ(test::Entries(prefix / "bin"), std::vector<std::string>{});
}

TEST(SettingsFilePath, FallsBackToTheUsersConfigFolder) {
    TestFolder dir;
    WriteAll(dir / "file", "");
    const auto unwritable = dir / "file" / "bin"; // a file stands where a folder should

    {
        ScopedEnv xdg("XDG_CONFIG_HOME", (dir / "xdg").c_str());
        EXPECT_EQ(SettingsFilePath(unwritable), dir / "xdg" / "quintavo" / "quintavo.ini");
        EXPECT_TRUE(std::filesystem::is_directory(dir / "xdg" / "quintavo"));
    }
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "relative/ignored");
        ScopedEnv home("HOME", (dir / "home").c_str());
        EXPECT_EQ(SettingsFilePath(unwritable),
                  dir / "home" / ".config" / "quintavo" / "quintavo.ini");
    }
    {
        // No config folder can be made: the program's folder is still named.
        ScopedEnv xdg("XDG_CONFIG_HOME", (dir / "file" / "xdg").c_str());
        EXPECT_EQ(SettingsFilePath(unwritable), unwritable / "quintavo.ini");
    }
}

} // namespace
} // namespace quintavo::appcore
