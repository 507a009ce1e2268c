#include "platform/AppFolder.h"

namespace velmora::platform {

std::string fileInFolder(std::string_view folder, std::string_view fileName)
{
    std::string path {folder};
    path += pathSeparator();
    path += fileName;
    return path;
}

} // namespace velmora::platform
