#include "win32/FrmMainControls.h"

#include "platform/WideText_win.h"
#include "win32/ScreenScale.h"

#include <algorithm>
#include <commctrl.h>

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

// Where the control stands in the window at the given resolution.
window::PixelRect placeOf(const ControlDescription& d, UINT dpi)
{
    const auto& frame = window::frmMainControls[window::controlPosition("fae_Main")].place;
    window::PixelRect place = d.place;
    if (d.inFrame) {
        place.left += frame.left;
        place.top += frame.top;
    }
    if (d.kind == ControlKind::ComboBox)
        place.height = openListHeight;
    return scaled(place, dpi);
}

bool namesAnInput(const ControlDescription& d)
{
    return d.kind == ControlKind::Label
        && std::any_of(window::inputNames.begin(), window::inputNames.end(),
                       [&d](auto& n) { return n.label == d.name && n.labelIndex == d.index; });
}

} // namespace

HFONT createWindowFont(UINT dpi)
{
    return CreateFontW(-MulDiv(static_cast<int>(window::fontPoints * 100), static_cast<int>(dpi), 7200), 0, 0, 0,
                       FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, platform::toUtf16(window::fontFace).c_str());
}

bool placeControls(FrmMainControls& controls, HINSTANCE instance, HFONT font, UINT dpi)
{
    const auto create = [&](std::size_t position) {
        const ControlDescription& d = window::frmMainControls[position];
        const NativeKind native = nativeKind(d);
        // The second option button is the only one in its predecessor's group:
        // the arrow keys move between the two.
        const DWORD group = d.kind == ControlKind::OptionButton && d.index > 0 ? 0 : WS_GROUP;
        const window::PixelRect place = placeOf(d, dpi);
        const HWND control = CreateWindowExW(
            native.extendedStyle, native.className, platform::toUtf16(d.caption).c_str(),
            WS_CHILD | WS_VISIBLE | group | native.style, place.left, place.top, place.width, place.height,
            controls.frmMain, reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstControlId + position)), instance,
            nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return control;
    };
    bool allMade = true;
    // Windows' accessibility names an input by the label created just before
    // it, so each label that names an input waits for its input. The request
    // box is named by its frame, which to Windows is a button: it gets a
    // hidden label with the frame's caption, which names it just as well.
    for (std::size_t position = 0; position < window::frmMainControls.size(); ++position) {
        const ControlDescription& d = window::frmMainControls[position];
        if (namesAnInput(d))
            continue;
        for (const window::NamedBy& named : window::inputNames)
            if (named.input == d.name) {
                const std::size_t label = window::controlPosition(named.label, named.labelIndex);
                if (namesAnInput(window::frmMainControls[label]))
                    allMade = (controls.placed[label] = create(label)) && allMade;
                else
                    allMade = CreateWindowExW(0, L"STATIC",
                                              platform::toUtf16(window::frmMainControls[label].caption).c_str(),
                                              WS_CHILD | WS_GROUP | SS_NOPREFIX, 0, 0, 0, 0, controls.frmMain, nullptr,
                                              instance, nullptr)
                        && allMade;
            }
        allMade = (controls.placed[position] = create(position)) && allMade;
    }
    return allMade;
}

void movePlacedControls(const FrmMainControls& controls, HFONT font, UINT dpi)
{
    for (std::size_t position = 0; position < controls.placed.size(); ++position) {
        const window::PixelRect place = placeOf(window::frmMainControls[position], dpi);
        SetWindowPos(controls.placed[position], nullptr, place.left, place.top, place.width, place.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(controls.placed[position], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

} // namespace velmora::win32
