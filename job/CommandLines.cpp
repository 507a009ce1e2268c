#include "job/CommandLines.h"

#include "job/MaskedDate.h"
#include "job/ShellQuoting.h"

namespace velmora::job {

std::string ToolCommands::pathOf(std::string_view fileName) const
{
    return workingFolder + form.separator + std::string(fileName);
}

std::string ToolCommands::key(std::string_view keyFile, std::string_view keyLength) const
{
    return joinCommand({pathOf(form.toolFile), "genrsa", "-des3", "-out", pathOf(keyFile), std::string(keyLength)},
                       form.shell);
}

std::string ToolCommands::caCertificate(int days) const
{
    return joinCommand({pathOf(form.toolFile), "req", "-config", pathOf(toolFiles::configuration), "-new", "-x509",
                        "-days", std::to_string(days), "-key", pathOf(toolFiles::caKey), "-out",
                        pathOf(toolFiles::caCertificate)},
                       form.shell);
}

std::string ToolCommands::serverRequest() const
{
    return joinCommand({pathOf(form.toolFile), "req", "-config", pathOf(toolFiles::configuration), "-new", "-key",
                        pathOf(toolFiles::serverKey), "-out", pathOf(toolFiles::serverRequest)},
                       form.shell);
}

int dayCount(std::string_view startDateText, std::string_view endDateText)
{
    const auto start = parseMaskedDate(startDateText);
    const auto end = parseMaskedDate(endDateText);
    if (!start || !end)
        return 0;
    return static_cast<int>((std::chrono::sys_days {*end} - std::chrono::sys_days {*start}).count());
}

} // namespace velmora::job
