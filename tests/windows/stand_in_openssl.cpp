// Stands in for openssl.exe in the Windows tests, reading its arguments as the
// real tool does. Each call appends them to "calls.txt" beside the program,
// one call per line, in UTF-8 and separated by " | ", then " < " and the
// configuration OPENSSL_CONF names, and leaves what the
// step must: the "-out" file, naming the Common Name the configuration file
// would take from the environment (for "ca", the subjectAltName), and for "ca"
// the database update. "req -noout -in <file>" reads a file that starts as a
// certificate request does, and fails on any other.
// Called as "wait-for <file>" instead, it is a command that lasts until the
// test makes the file, and removes it.
#include "platform/UserFolder_win.h"
#include "platform/Utf8Path.h"
#include "platform/WideText_win.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace fs = std::filesystem;
using namespace velmora::platform;

namespace {

// As the tool keeps its database: the state before the signing in ".old".
void updateDatabase(const std::string& serial)
{
    fs::rename("ca.db.index", "ca.db.index.old");
    fs::rename("ca.db.serial", "ca.db.serial.old");
    std::ofstream("ca.db.index", std::ios::binary) << "V\t" << serial << "\tunknown\t/CN=signed\n";
    std::ofstream("ca.db.serial", std::ios::binary) << "02\n";
    std::ofstream("ca.db.index.attr", std::ios::binary) << "unique_subject = yes\n";
    std::ofstream(serial + ".pem", std::ios::binary) << "signed";
}

// An argument as the tool sees it: as UTF-8 when told so, otherwise in the
// ANSI code page, where a character the code page lacks becomes a stand-in.
std::string asTheToolReads(const wchar_t* argument)
{
    if (GetEnvironmentVariableW(L"OPENSSL_WIN32_UTF8", nullptr, 0) != 0)
        return fromUtf16(argument);
    return fromUtf16(toUtf16(fromUtf16(argument, CP_ACP), CP_ACP));
}

std::string variable(const wchar_t* name)
{
    std::wstring value(GetEnvironmentVariableW(name, nullptr, 0), L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size())));
    return fromUtf16(value);
}

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc == 3 && std::wstring_view(argv[1]) == L"wait-for") {
        // Seen as soon as it is made, the file may still be open in the test,
        // and cannot be removed until it is closed.
        for (std::error_code stillOpen; !fs::exists(argv[2]) || !fs::remove(argv[2], stillOpen);)
            Sleep(5);
        return 0;
    }
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(asTheToolReads(argv[i]));
    std::string line;
    for (const auto& arg : args)
        line += (line.empty() ? "" : " | ") + arg;
    // The configuration the tool would read first.
    line += " < " + variable(L"OPENSSL_CONF");
    std::ofstream(pathFromUtf8(executableFolder()) / "calls.txt", std::ios::binary | std::ios::app) << line << '\n';
    const bool signing = !args.empty() && args.front() == "ca";
    const std::string named = variable(signing ? L"VELMORA_SUBJECT_ALT_NAME" : L"VELMORA_COMMON_NAME");
    for (std::size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == "-out")
            std::ofstream(pathFromUtf8(args[i + 1]), std::ios::binary)
                << "made by " << args.front() << (named.empty() ? "" : " for " + named);
    if (signing)
        updateDatabase("01");
    if (args.size() > 2 && args.front() == "req" && args[args.size() - 2] == "-in") {
        std::string first;
        std::getline(std::ifstream(pathFromUtf8(args.back())), first);
        return first.starts_with("-----BEGIN CERTIFICATE REQUEST-----") ? 0 : 1;
    }
    return 0;
}
