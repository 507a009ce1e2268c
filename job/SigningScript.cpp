#include "job/SigningScript.h"

#include "job/ShellQuoting.h"

#include <cstdio>

namespace velmora::job {

std::string signingTimestamp(std::chrono::year_month_day date, std::string_view timeOfDay)
{
    const int year = static_cast<int>(date.year());
    const bool twoDigitYear = year >= 1950 && year <= 2049;
    char text[16];
    std::snprintf(text, sizeof text, twoDigitYear ? "%02d%02u%02u" : "%04d%02u%02u", twoDigitYear ? year % 100 : year,
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text + std::string(timeOfDay) + "Z";
}

std::string signingCommand(const SystemForm& form, const Validity& validity, const SigningTool& tool)
{
    const bool posix = form.shell == Shell::Posix;
    const std::string ownFolderTool = (posix ? "./" : "\"%~dp0") + std::string(form.toolFile) + (posix ? "" : "\"");
    const std::string toolWord = tool.path.empty() ? ownFolderTool : quoteArgument(tool.path, form.shell);
    // The tool word stands apart: joined with the rest, a quoted one would
    // wrap the line in the extra quotes "cmd /c" needs and a script does not.
    const auto file = [](std::string_view name) { return std::string(name); };
    return toolWord + " "
        + joinCommand({"ca", "-config", file(toolFiles::configuration), "-startdate",
                       signingTimestamp(validity.start, "000000"), "-enddate", signingTimestamp(validity.end, "235959"),
                       "-cert", file(toolFiles::caCertificate), "-keyfile", file(toolFiles::caKey), "-in",
                       file(toolFiles::serverRequest), "-out", file(toolFiles::serverCertificate)},
                      form.shell);
}

std::vector<std::string> signingScriptLines(const SystemForm& form, const Validity& validity,
                                            std::string_view subjectAltName, const SigningTool& tool)
{
    const std::string name = std::string(configurationVariables::subjectAltName) + "=" + std::string(subjectAltName);
    const std::string configuration(toolFiles::configuration);
    std::vector<std::string> lines;
    if (form.shell == Shell::Cmd) {
        // The configuration is named before the tool's variables are cleared
        // too, so the list of them is never empty: cmd would say so in the
        // console, and a redirect of that message is lost on some cmd.exe.
        const std::string setConfiguration
            = "set \"" + std::string(toolVariables::configuration) + "=%~dp0" + configuration + "\"";
        lines = {"@echo off",
                 R"(cd /d "%~dp0")",
                 "setlocal",
                 setConfiguration,
                 R"(for /f "delims==" %%v in ('set OPENSSL_') do set "%%v=")",
                 setConfiguration};
        if (tool.readsUtf8)
            lines.push_back("set \"" + std::string(toolVariables::readsUtf8) + "=1\"");
        lines.push_back("set \"" + name + "\"");
    } else {
        lines = {"#!/bin/sh", R"line(cd "$(dirname "$0")" || exit 1)line",
                 R"(for name in $(env | sed -n 's/^\(OPENSSL_[A-Za-z0-9_]*\)=.*/\1/p'); do unset "$name"; done)",
                 "export " + std::string(toolVariables::configuration) + "=\"$PWD/" + configuration + "\"",
                 "export " + name};
    }
    lines.push_back(signingCommand(form, validity, tool));
    return lines;
}

} // namespace velmora::job
