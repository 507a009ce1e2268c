#pragma once

#include "window/FrmMainDescription.h"

#include <array>

class QWidget;

namespace velmora::app {

// The window's controls in the description's order. The window owns them
// through Qt's parent chain.
using FrmMainControls = std::array<QWidget*, window::frmMainControls.size()>;

// Creates every control at its fixed place with its caption, settings and
// tab order; the kind options are one exclusive group.
FrmMainControls buildFrmMainControls(QWidget* window);

} // namespace velmora::app
