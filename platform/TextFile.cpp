#include "platform/TextFile.h"

namespace velmora::platform {

bool writeTextLines(const std::string& path, const std::vector<std::string>& utf8Lines, const CodePage& codePage,
                    LineEnd lineEnd)
{
    std::string text;
    for (const auto& line : utf8Lines) {
        text += line;
        text += lineEnd == LineEnd::CrLf ? "\r\n" : "\n";
    }
    const std::string bytes = encodeText(text, codePage).value_or(text);
    return replaceFileWith(path, bytes);
}

} // namespace velmora::platform
