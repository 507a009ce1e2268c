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

std::string ToolCommands::key(std::string_view keyFile, std::string_view keyLength) const
{
    return joinCommand({toolPath(), "genrsa", "-des3", "-out", fileArgument(keyFile), std::string(keyLength)},
                       form.shell);
}

std::string ToolCommands::caCertificate(int days) const
{
    return joinCommand({toolPath(), "req", "-config", fileArgument(toolFiles::configuration), "-new", "-x509", "-days",
                        std::to_string(days), "-key", fileArgument(toolFiles::caKey), "-out",
                        fileArgument(toolFiles::caCertificate)},
                       form.shell);
}

std::string ToolCommands::serverRequest() const
{
    return joinCommand({toolPath(), "req", "-config", fileArgument(toolFiles::configuration), "-new", "-key",
                        fileArgument(toolFiles::serverKey), "-out", fileArgument(toolFiles::serverRequest)},
                       form.shell);
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
