#include "win32/FrmMainControls.h"

#include "platform/WideText_win.h"

#include <commctrl.h>
#include <vector>

namespace velmora::win32 {

namespace {

using window::ControlDescription;
using window::ControlKind;

struct NativeKind
{
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle = 0;
};

NativeKind nativeKind(const ControlDescription& d)
{
    constexpr DWORD edit = ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP;
    switch (d.kind) {
    case ControlKind::Label:
        return {L"STATIC",
                static_cast<DWORD>(SS_NOPREFIX | (d.centred ? SS_CENTER : SS_LEFT) | (d.helpPointer ? SS_NOTIFY : 0))};
    case ControlKind::ComboBox: return {WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP};
    case ControlKind::MaskedDate:
    case ControlKind::TextBox: return {L"EDIT", edit, WS_EX_CLIENTEDGE};
    case ControlKind::RequestBox:
        return {L"EDIT", edit | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_HSCROLL | WS_VSCROLL,
                WS_EX_CLIENTEDGE};
    case ControlKind::OptionButton: return {L"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP};
    case ControlKind::CheckBox: return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP};
    case ControlKind::PushButton: return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
    // Drawn under the two controls it holds, which come before it.
    case ControlKind::Frame: return {L"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS};
    }
    return {L"STATIC", 0};
}

// The combo box's height is that of its open list; the closed box takes its
// height from the font.
constexpr int openListHeight = 120;

// The description's order, but for each label that names an input, which
// comes just before its input: Windows' accessibility names a control by the
// label created before it.
std::vector<std::size_t> creationOrder()
{
    const auto namesAnInput = [](std::size_t position) -> const window::NamedBy* {
        const ControlDescription& d = window::frmMainControls[position];
        for (const window::NamedBy& named : window::inputNames)
            if (d.kind == ControlKind::Label && named.label == d.name && named.labelIndex == d.index)
                return &named;
        return nullptr;
    };
    std::vector<std::size_t> order;
    for (std::size_t position = 0; position < window::frmMainControls.size(); ++position) {
        if (namesAnInput(position))
            continue;
        for (std::size_t label = 0; label < window::frmMainControls.size(); ++label)
            if (const window::NamedBy* named = namesAnInput(label);
                named && named->input == window::frmMainControls[position].name)
                order.push_back(label);
        order.push_back(position);
    }
    return order;
}

} // namespace

HFONT createWindowFont()
{
    const HDC screen = GetDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return CreateFontW(-MulDiv(static_cast<int>(window::fontPoints * 100), pixelsPerInch, 7200), 0, 0, 0, FW_NORMAL,
                       FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, platform::toUtf16(window::fontFace).c_str());
}

bool placeControls(FrmMainControls& controls, HINSTANCE instance, HFONT font)
{
    bool allMade = true;
    const auto& frame = window::frmMainControls[window::controlPosition("fae_Main")].place;
    for (const std::size_t position : creationOrder()) {
        const ControlDescription& d = window::frmMainControls[position];
        const NativeKind native = nativeKind(d);
        // The second option button is the only one in its predecessor's group:
        // the arrow keys move between the two.
        const DWORD group = d.kind == ControlKind::OptionButton && d.index > 0 ? 0 : WS_GROUP;
        const int left = d.place.left + (d.inFrame ? frame.left : 0);
        const int top = d.place.top + (d.inFrame ? frame.top : 0);
        const int height = d.kind == ControlKind::ComboBox ? openListHeight : d.place.height;
        const HWND control = CreateWindowExW(
            native.extendedStyle, native.className, platform::toUtf16(d.caption).c_str(),
            WS_CHILD | WS_VISIBLE | group | native.style, left, top, d.place.width, height, controls.frmMain,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstControlId + position)), instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        controls.placed[position] = control;
        allMade = allMade && control;
    }
    return allMade;
}

} // namespace velmora::win32
