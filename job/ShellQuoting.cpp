#include "job/ShellQuoting.h"

#include <algorithm>

namespace velmora::job {

namespace {

bool isPlainWordCharacter(char c, Shell shell)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
        return true; // letters of any script are nothing to either interpreter
    const std::string_view plain = shell == Shell::Posix ? "_-./:@%+," : "_-./:@+\\#$~[]{}";
    return plain.find(c) != std::string_view::npos;
}

std::string singleQuoted(std::string_view argument)
{
    std::string quoted = "'";
    for (char c : argument)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// A quote inside the argument is doubled, which both cmd.exe and the
// program's own argument parser read as one literal quote.
std::string doubleQuoted(std::string_view argument)
{
    std::string quoted = "\"";
    for (char c : argument)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

bool needsQuotes(std::string_view argument, Shell shell)
{
    return !std::all_of(argument.begin(), argument.end(), [shell](char c) { return isPlainWordCharacter(c, shell); });
}

} // namespace

std::string quoteArgument(std::string_view argument, Shell shell)
{
    if (!needsQuotes(argument, shell))
        return std::string(argument);
    return shell == Shell::Posix ? singleQuoted(argument) : doubleQuoted(argument);
}

std::string joinCommand(const std::vector<std::string>& arguments, Shell shell)
{
    std::string command;
    bool anyQuoted = false;
    for (const auto& argument : arguments) {
        if (&argument != &arguments.front())
            command += ' ';
        anyQuoted = anyQuoted || needsQuotes(argument, shell);
        command += quoteArgument(argument, shell);
    }
    if (anyQuoted && shell == Shell::Cmd)
        return '"' + command + '"';
    return command;
}

} // namespace velmora::job
