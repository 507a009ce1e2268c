// Runs until the file named by its argument appears, then removes it: a
// command that takes as long as the test wants, without a fixed sleep in it.
#include <chrono>
#include <filesystem>
#include <thread>

int main(int argc, char* argv[])
{
    if (argc < 2)
        return 2;
    const std::filesystem::path release {argv[1]};
    while (!std::filesystem::exists(release))
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    std::filesystem::remove(release);
    return 0;
}
