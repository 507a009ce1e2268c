#pragma once

#include "job/ToolFiles.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::job {

// How the generation steps name the tool and the working files. The tool is named by its
// full path in its own folder; the runner puts the interpreter prefix in
// front. The files are named by their full path in the working folder, but
// on Windows by their names alone: the tool runs there, and opens a key it
// writes through the C runtime's narrow calls, which cannot reach a folder
// whose name the ANSI code page lacks (a profile such as C:\Users\José on a
// Big5 system).
struct ToolCommands
{
    const SystemForm& form;
    std::string workingFolder;
    std::string toolFolder; // the working folder when empty

    std::string toolPath() const;

    // The command line that runs the tool with the arguments, each quoted as
    // the interpreter needs.
    std::string line(const std::vector<std::string>& arguments) const;
    // The tool's look at the server request: whether it reads as one. Not a
    // command line: the program and its arguments, run without a console.
    std::vector<std::string> requestCheck() const;

    std::string pathOf(std::string_view fileName) const;
    // A working file as the tool's arguments name it.
    std::string fileArgument(std::string_view fileName) const;
};

} // namespace velmora::job
