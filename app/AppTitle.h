#pragma once

#include "window/FrmMainDescription.h"

#include <QString>

namespace velmora::app {

// The window title, also the title of every message box.
inline QString appTitle()
{
    return QString::fromUtf8(window::windowTitle.data(), static_cast<qsizetype>(window::windowTitle.size()));
}

} // namespace velmora::app
