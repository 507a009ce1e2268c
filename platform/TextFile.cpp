#include "platform/TextFile.h"

#include "platform/Utf8Path.h"

#include <fstream>

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

    const std::string temporary = path + ".velmora-new";
    std::error_code ignored;
    {
        std::ofstream file(pathFromUtf8(temporary), std::ios::binary | std::ios::trunc);
        if (!file.is_open())
            return false;
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            std::filesystem::remove(pathFromUtf8(temporary), ignored);
            return false;
        }
    }
    if (!replaceFile(temporary, path)) {
        std::filesystem::remove(pathFromUtf8(temporary), ignored);
        return false;
    }
    return true;
}

} // namespace velmora::platform
