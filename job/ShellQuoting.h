#pragma once

#include "job/ToolFiles.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::job {

// One argument of a command line: taken as it stands when the interpreter
// would read it as one plain word, quoted for that interpreter when it holds
// a blank or a character the interpreter treats specially. An empty argument
// stays empty, as the tool then takes its own default.
std::string quoteArgument(std::string_view argument, Shell shell);

// The arguments joined by one blank each, every one quoted as needed. When
// anything was quoted for cmd.exe, the whole command is wrapped in one more
// pair: "cmd /c" strips the outer pair of a command that starts with a quote.
std::string joinCommand(const std::vector<std::string>& arguments, Shell shell);

} // namespace velmora::job
