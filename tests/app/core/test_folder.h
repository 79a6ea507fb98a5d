// A fresh temporary folder per test, removed with everything in it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quintavo::appcore::test {

class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(std::string_view name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

std::string ReadAll(const std::filesystem::path& path);
void WriteAll(const std::filesystem::path& path, std::string_view data);
// Names in the folder, for catching left-over temporary files.
std::vector<std::string> Entries(const std::filesystem::path& folder);

} // namespace quintavo::appcore::test
