#include "job/SigningScript.h"

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

std::string signingCommand(const SystemForm& form, const Validity& validity)
{
    const std::string tool
        = form.shell == Shell::Posix ? "./" + std::string(form.toolFile) : std::string(form.toolFile);
    return tool + " ca -config openssl.cnf -startdate " + signingTimestamp(validity.start, "000000") + " -enddate "
        + signingTimestamp(validity.end, "235959") + " -cert ca.crt -keyfile ca.key -in server.csr -out server.crt";
}

std::vector<std::string> signingScriptLines(const SystemForm& form, const Validity& validity,
                                            std::string_view subjectAltName)
{
    const std::string name = std::string(configurationVariables::subjectAltName) + "=" + std::string(subjectAltName);
    if (form.shell == Shell::Cmd)
        return {"@echo off", "set \"" + name + "\"", signingCommand(form, validity)};
    return {"#!/bin/sh", R"line(cd "$(dirname "$0")" || exit 1)line", "export " + name, signingCommand(form, validity)};
}

} // namespace velmora::job
