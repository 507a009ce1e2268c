#include "job/CommandLines.h"

#include "job/ShellQuoting.h"

namespace velmora::job {

std::string ToolCommands::pathOf(std::string_view fileName) const
{
    return workingFolder + form.separator + std::string(fileName);
}

std::string ToolCommands::fileArgument(std::string_view fileName) const
{
    return form.shell == Shell::Cmd ? std::string(fileName) : pathOf(fileName);
}

std::string ToolCommands::toolPath() const
{
    return (toolFolder.empty() ? workingFolder : toolFolder) + form.separator + std::string(form.toolFile);
}

std::string ToolCommands::line(const std::vector<std::string>& arguments) const
{
    std::vector<std::string> words {toolPath()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    return joinCommand(words, form.shell);
}

std::vector<std::string> ToolCommands::requestCheck() const
{
    return {toolPath(),
            "req",
            "-config",
            fileArgument(toolFiles::configuration),
            "-noout",
            "-in",
            fileArgument(toolFiles::serverRequest)};
}

} // namespace velmora::job
