#pragma once

#include <QString>

namespace velmora::app {

// The window title, also the title of every message box.
inline QString appTitle()
{
    return QStringLiteral("Velmora");
}

} // namespace velmora::app
