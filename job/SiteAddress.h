#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::job {

// Removes leading and trailing blanks (the space character only).
std::string trimSpaces(std::string_view text);

// The site name of a trimmed site address: lower case, then one leading
// "http://" dropped, then one leading "https://" dropped. Ports, paths and
// other schemes stay part of the name.
std::string siteNameFromAddress(std::string_view trimmedAddress);

// Whether a site name can name the output folder and a server: it has a
// host, and no part between separators is dots alone ("." or ".."), which
// would put the output into the save location itself or beside it.
bool isUsableSiteName(std::string_view siteName);

// What keeps a part of a site name from naming a folder on Windows, which
// refuses some characters, a name ending in a dot or a blank, and the names
// of its devices, whatever follows them after a dot.
struct FolderNameFault
{
    enum Kind { Character, TrailingDotOrBlank, DeviceName } kind;
    std::string piece; // the character, the part, or the device's name as typed
};
std::optional<FolderNameFault> windowsFolderNameFault(std::string_view siteName);

// A trimmed save location without one trailing separator. A location that is
// the root alone ("/") keeps it, so the box never empties itself.
std::string withoutTrailingSeparator(std::string_view saveLocation, char separator);

// The save location, the separator and the site name. The root alone is not
// doubled ("/" and "site" give "/site").
std::string outputFolderPath(std::string_view saveLocation, char separator, std::string_view siteName);

} // namespace velmora::job
