#pragma once

#include "job/CertificateJob.h"
#include "job/CommandLines.h"
#include "platform/FolderTrust.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::job {

// Why a run stopped, and where the user can mend it; no message when the
// user chose to stop.
struct Stop
{
    std::string message;
    std::optional<InputControl> focus;
};

// What a check or a step comes to: nothing when it went well, otherwise why
// the run stops there.
using Outcome = std::optional<Stop>;

// One press of a job button: what each of its checks and steps works with.
struct Press
{
    Press(JobWindow& window, const JobServices& services);

    JobWindow& window;
    const JobServices& services;
    const SystemForm& form;
    const ToolCommands commands;
    const std::filesystem::path workingFolder;
    // What the working folder was at the press: one put in its place later
    // is not used.
    const std::optional<platform::FolderIdentity> workingFolderIdentity;

    std::string pathOf(std::string_view fileName) const { return commands.pathOf(fileName); }
    // Whether the tool must take its arguments as UTF-8: a folder it is
    // given, or runs from, has a name the ANSI code page lacks.
    bool toolReadsUtf8() const;
    // The pause between two steps, with the window handling its events.
    void pause() const;
    // One round of the window's events.
    void dispatch() const;
};

// The warning, then the focus where the user can mend it.
void showStop(JobWindow& window, const Stop& stop);

// A press's whole run. A file-system error it did not foresee (a path the
// system cannot convert, say) ends the run with a message that gives the
// system's reason, not the program.
void runGuarded(JobWindow& window, const std::function<void()>& run);

} // namespace velmora::job
