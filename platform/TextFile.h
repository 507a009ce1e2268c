#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::platform {

// An 8-bit character set, by the name iconv knows it and by its Windows code
// page number (0 for the system's ANSI code page).
struct CodePage
{
    std::string charsetName;
    unsigned windowsCodePage = 0;
};

// The system's default 8-bit code page: the ANSI code page on Windows, the
// character set of the user's locale elsewhere.
CodePage systemCodePage();

// UTF-8 text in the given code page; nothing when the text is not valid UTF-8
// or holds a character the code page lacks.
std::optional<std::string> encodeText(std::string_view utf8, const CodePage& codePage);

enum class LineEnd { CrLf, Lf };

// Writes to the path (UTF-8) each line followed by the line end (CR LF unless told) in the given
// code page, replacing a file of that name in one step, so a failed write
// never leaves half a file. Text the code page cannot hold is written in
// UTF-8 rather than lost. Returns whether the file now holds the lines.
bool writeTextLines(const std::string& path, const std::vector<std::string>& utf8Lines,
                    const CodePage& codePage = systemCodePage(), LineEnd lineEnd = LineEnd::CrLf);

// Who may read a file written: anyone, as a file the user made with an
// editor; or its owner alone, as a private key.
enum class Readers { Anyone, OwnerAlone };

// Puts the bytes at the path (UTF-8) in one step. They are written first to
// a temporary of a random name, created exclusively in the same folder, given
// its readers and flushed to disk, which is then renamed over whatever stands
// at the path: a link planted there is replaced, never written through, and
// an older file stays whole until the new one is complete. No temporary
// stays when anything fails.
bool replaceFileWith(const std::string& path, std::string_view bytes, Readers readers = Readers::Anyone);

} // namespace velmora::platform
