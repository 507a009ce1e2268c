#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// The one window, written once for every toolkit that draws it: its controls
// with their names, captions and places, and the rules it follows on its own.
// Texts are UTF-8; places are pixels at 96 dots per inch.
namespace velmora::window {

enum class ControlKind {
    Label,
    ComboBox, // a drop-down list whose text may also be typed
    MaskedDate, // "####/##/##" with "_" in each unfilled place
    TextBox,
    RequestBox, // several lines, scrolled both ways, never wrapped
    OptionButton,
    CheckBox,
    PushButton,
    Frame, // a titled group box that holds the controls marked inFrame
};

struct PixelRect
{
    int left, top, width, height;
};

struct ControlDescription
{
    std::string_view name;
    int index; // the member of an indexed group (lab_Title, opt_Type); 0 elsewhere
    ControlKind kind;
    std::string_view caption;
    PixelRect place; // in the window, or in the frame for a control inFrame
    bool inFrame = false;
    bool blueText = false;
    bool centred = false;
    bool helpPointer = false; // the arrow with a question mark while the mouse is over it
};

// In tab order: labels and the frame hold places in it but never take the focus.
// clang-format off
inline constexpr std::array<ControlDescription, 20> frmMainControls {{
    {"lab_Title", 0, ControlKind::Label, "憑證強度：", {10, 10, 61, 13}},
    {"lab_Title", 1, ControlKind::Label, "開始日期：", {10, 38, 61, 13}},
    {"lab_Title", 2, ControlKind::Label, "使用網址：", {10, 64, 61, 13}},
    {"lab_Title", 3, ControlKind::Label, "存放位置：", {10, 90, 61, 13}},
    {"cmb_MaxLen", 0, ControlKind::ComboBox, "", {72, 6, 77, 21}, false, true},
    {"meb_StartDate", 0, ControlKind::MaskedDate, "", {72, 34, 77, 19}, false, true},
    {"meb_EndDate", 0, ControlKind::MaskedDate, "", {234, 34, 77, 19}, false, true},
    {"txt_URL", 0, ControlKind::TextBox, "", {72, 60, 293, 19}, false, true},
    {"txt_SavePath", 0, ControlKind::TextBox, "", {72, 86, 293, 19}, false, true},
    {"opt_Type", 0, ControlKind::OptionButton, "僅用戶端憑證", {10, 116, 97, 13}},
    {"opt_Type", 1, ControlKind::OptionButton, "包含用戶端與伺服器憑證", {114, 116, 155, 13}},
    {"txt_SrvReq", 0, ControlKind::RequestBox, "", {6, 18, 347, 99}, true, true},
    {"chk_AutoReq", 0, ControlKind::CheckBox, "自動產生請求檔", {6, 124, 109, 13}, true},
    {"cmd_Create", 0, ControlKind::PushButton, "產生 SSL 憑證", {8, 292, 91, 29}},
    {"cmd_Sign", 0, ControlKind::PushButton, "已完成簽章", {100, 292, 91, 29}},
    {"cmd_Cancel", 0, ControlKind::PushButton, "關閉程式", {192, 292, 91, 29}},
    {"lab_Quorvane", 0, ControlKind::Label, "Quorvane資訊", {288, 300, 77, 13}, false, true, true, true},
    {"fae_Main", 0, ControlKind::Frame, "伺服器憑證請求檔", {8, 138, 359, 145}},
    {"lab_Status", 0, ControlKind::Label, "", {10, 328, 357, 13}, false, true, true},
    {"lab_Title", 4, ControlKind::Label, "到期日期：", {172, 38, 61, 13}},
}};
// clang-format on

// The inputs the job reads, in the order of job::InputControl, each with the
// label that names it for a screen reader: its caption is the input's name.
// The request box is named by its frame's caption.
struct NamedBy
{
    std::string_view input;
    std::string_view label;
    int labelIndex;
};
inline constexpr std::array<NamedBy, 6> inputNames {{
    {"cmb_MaxLen", "lab_Title", 0},
    {"meb_StartDate", "lab_Title", 1},
    {"meb_EndDate", "lab_Title", 4},
    {"txt_URL", "lab_Title", 2},
    {"txt_SavePath", "lab_Title", 3},
    {"txt_SrvReq", "fae_Main", 0},
}};

// The place of a control in the tab order; the program stops at a name the
// window lacks, as that is a fault in the program, not in its input.
std::size_t controlPosition(std::string_view name, int index = 0);

inline constexpr std::string_view windowTitle = "Velmora";
inline constexpr int clientWidth = 376;
inline constexpr int clientHeight = 350;
inline constexpr std::string_view fontFace = "Microsoft Sans Serif";
inline constexpr double fontPoints = 8.25;

struct Rgb
{
    int red, green, blue;
};
inline constexpr Rgb blueText {0, 0, 255};

inline constexpr std::array<std::string_view, 6> keyLengths {"512", "1024", "2048", "4096", "8192", "16384"};
// 512-bit keys are refused by current TLS servers and browsers.
inline constexpr std::size_t defaultKeyLengthIndex = 2;

// Today, and the same day a year later: 29 February becomes 28 February in a
// common year. Both come from one reading of the clock, so a start just
// before midnight cannot give a year and a day.
struct DefaultDates
{
    std::string start, end;
};
DefaultDates defaultDates(std::chrono::year_month_day today);

// Whether the request frame is enabled after a click on the kind option of
// that index; nothing changes for an index the group does not have.
std::optional<bool> requestFrameEnabled(int kindIndex);

// What the window holds when it is first shown.
inline constexpr int defaultKindIndex = 0;
inline constexpr bool defaultAutoRequest = false;
inline constexpr std::string_view firstFocus = "cmb_MaxLen";

// While a job runs these are disabled; a focus they held goes to the next
// control in the tab order that takes it, round past the end.
inline constexpr std::array<std::string_view, 3> disabledWhileBusy {"cmd_Create", "cmd_Sign", "cmd_Cancel"};
inline constexpr std::string_view focusWhileBusy = "cmb_MaxLen";

// What the folder picker writes into the save location: the folder without a
// trailing separator, so a drive root gives "D:" and the POSIX root stays "/".
std::string savePathTextForFolder(std::string folder);
inline constexpr std::string_view folderFilterDescription = "目錄(*.dir)";
inline constexpr std::string_view folderFilterPattern = "*.*";

inline constexpr std::string_view closeQuestion = "您確定要關閉嗎?";
// When the system refuses to make the window, the program says so and ends.
inline constexpr std::string_view windowNotMade = "無法建立 Velmora 的視窗, 程式已結束!";
inline constexpr std::string_view makerPage = "https://www.quorvane.example/";

} // namespace velmora::window
