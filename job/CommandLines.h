#pragma once

#include "job/ToolFiles.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::job {

// The tool's command lines for the generation steps. Every file is named by
// its full path in the working folder, the tool by its full path in its own
// folder; the runner puts the interpreter prefix in front.
struct ToolCommands
{
    const SystemForm& form;
    std::string workingFolder;
    std::string toolFolder; // the working folder when empty

    std::string toolPath() const;

    // A new pass-phrase protected key, ca.key or server.key.
    std::string key(std::string_view keyFile, std::string_view keyLength) const;
    std::string caCertificate(int days) const;
    std::string serverRequest() const;
    // The tool's look at the server request: whether it reads as one. Not a
    // command line: the program and its arguments, run without a console.
    std::vector<std::string> requestCheck() const;

    std::string pathOf(std::string_view fileName) const;
};

} // namespace velmora::job
