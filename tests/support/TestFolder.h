#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <unistd.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif
#include <utility>

namespace velmora::testing {

// A folder of the test's own in the system's temporary folder, removed with
// all it holds when the test ends.
class TestFolder final
{
public:
    explicit TestFolder(std::string_view label)
        : path_(std::filesystem::temp_directory_path()
                / ("velmora-" + std::string {label} + "-" + std::to_string(getpid())))
    {
        std::filesystem::create_directories(path_);
    }
    ~TestFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A file's bytes, or nothing when it cannot be read.
inline std::string contentOf(const std::filesystem::path& path)
{
    std::ifstream file {path, std::ios::binary};
    return {std::istreambuf_iterator<char> {file}, {}};
}

// The names of what a folder holds.
inline std::set<std::string> namesIn(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

#ifndef _WIN32
// A shell command's exit status (-1 when it did not exit) and all it wrote.
inline std::pair<int, std::string> run(const std::string& command)
{
    std::string output;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    for (int c; pipe && (c = std::fgetc(pipe)) != EOF;)
        output += static_cast<char>(c);
    const int status = pipe ? pclose(pipe) : -1;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}
#endif

} // namespace velmora::testing
