#include "window/FrmMainBehaviour.h"

#include "FakeTool.h"
#include "window/FrmMainDescription.h"
#include "window/MaskedDateEntry.h"

#include <gtest/gtest.h>
#include <map>

using namespace velmora::window;

namespace {

// A toolkit of plain values that writes every visible change, message and
// request into one log, as "name.index what".
struct FakeToolkit final : Toolkit
{
    static std::string id(std::size_t c)
    {
        return std::string(frmMainControls.at(c).name) + "." + std::to_string(frmMainControls[c].index);
    }
    std::string text(std::size_t c) const override { return texts.contains(c) ? texts.at(c) : ""; }
    void setText(std::size_t c, const std::string& t) override { texts[c] = t, log += id(c) + "=" + t + " "; }
    void setItems(std::size_t c, const std::vector<std::string_view>& items, std::size_t selected) override
    {
        setText(c, std::to_string(items.size()) + ":" + std::string(items.at(selected)));
    }
    bool checked(std::size_t c) const override { return ticks.contains(c) && ticks.at(c); }
    void setChecked(std::size_t c, bool on) override { ticks[c] = on, log += id(c) + (on ? " on " : " off "); }
    void setEnabled(std::size_t c, bool on) override { log += id(c) + (on ? " enabled " : " disabled "); }
    bool hasFocus(std::size_t c) const override { return focus == c; }
    void setFocus(std::size_t c) override { focus = c, log += "focus " + id(c) + " "; }
    void showMessage(MessageKind kind, const std::string& t) override
    {
        log += (kind == MessageKind::Warning ? "warn " : "inform ") + t + " ";
    }
    bool ask(const std::string& t, DefaultAnswer forEnter) override
    {
        log += "ask " + t + (forEnter == DefaultAnswer::Yes ? " [Yes] " : " [No] ");
        return answer;
    }
    void setBusyPointer(bool busy) override { log += busy ? "hourglass " : "arrow "; }
    std::optional<std::string> chooseFolder() override { return folder; }
    void openWebPage(std::string_view address) override { log += "open " + std::string(address) + " "; }
    std::chrono::year_month_day today() const override { return day; }
    void closeWindow() override { log += "closed "; }

    std::map<std::size_t, std::string> texts;
    std::map<std::size_t, bool> ticks;
    std::size_t focus = 99;
    std::string log;
    bool answer = true;
    std::optional<std::string> folder;
    std::chrono::year_month_day day = std::chrono::year(2028) / 2 / 29;
};

struct Under
{
    Under()
    {
        w.load();
        loaded = std::exchange(t.log, "");
    }
    std::string loaded;
    FakeToolkit t;
    velmora::testing::FakeTool tool;
    velmora::job::JobServices services {"", tool, [](auto) {}, std::chrono::milliseconds(1)};
    FrmMainBehaviour w {t, services};
};

std::size_t at(std::string_view name, int index = 0)
{
    return controlPosition(name, index);
}

} // namespace

// The load, then each event on a control, in turn on one window, and all the window does in answer.
TEST(FrmMainBehaviour, LoadsTheDefaultsThenEachControlDoesItsOwnAction)
{
    struct Case
    {
        const char* control;
        int index;
        bool doubleClick;
        std::optional<std::string> folder; // what the picker answers
        bool answer;
        const char* log;
    };
    // clang-format off
    const Case cases[] {
        {"opt_Type", 1, false, {}, true, "fae_Main.0 enabled txt_SrvReq.0 enabled chk_AutoReq.0 enabled "},
        {"opt_Type", 0, false, {}, true, "fae_Main.0 disabled txt_SrvReq.0 disabled chk_AutoReq.0 disabled "},
        {"txt_SavePath", 0, true, {}, true, ""}, // nothing picked yet: the box keeps what was typed
        {"txt_SavePath", 0, true, "C:\\a\\b\\", true, "txt_SavePath.0=C:\\a\\b "},
        {"txt_SavePath", 0, true, {}, true, "txt_SavePath.0=C:\\a\\b "}, // a cancel writes the last pick again
        {"txt_SavePath", 0, true, "D:\\", true, "txt_SavePath.0=D: "},
        {"txt_SavePath", 0, true, "/", true, "txt_SavePath.0=/ "},
        {"txt_SavePath", 0, true, "/home/u/certs//", true, "txt_SavePath.0=/home/u/certs "},
        {"txt_SavePath", 0, false, "/srv", true, ""}, // one click picks nothing
        {"lab_Quorvane", 0, false, {}, true, "open https://www.quorvane.example/ "},
        {"lab_Quorvane", 0, true, {}, true, ""},
        {"cmd_Cancel", 0, false, {}, false, "ask 您確定要關閉嗎? [Yes] "},
        {"cmd_Cancel", 0, false, {}, true, "ask 您確定要關閉嗎? [Yes] closed "},
        {"cmd_Create", 0, true, {}, true, ""},
        // Each press runs its own job on this window: both stop at once, as no working folder is named.
        {"cmd_Create", 0, false, {}, true, "lab_Status.0= warn 無法使用工作資料夾 ! "},
        {"cmd_Sign", 0, false, {}, true, "warn 無法使用工作資料夾 ! "},
        {"lab_Status", 0, false, {}, true, ""},
    };
    // clang-format on
    Under u;
    EXPECT_EQ(u.loaded,
              "cmb_MaxLen.0=6:2048 meb_StartDate.0=2028/02/29 meb_EndDate.0=2029/02/28 opt_Type.0 on chk_AutoReq.0 off "
              "fae_Main.0 disabled txt_SrvReq.0 disabled chk_AutoReq.0 disabled focus cmb_MaxLen.0 ");
    for (const Case& c : cases) {
        u.t.folder = c.folder;
        u.t.answer = c.answer;
        u.t.log.clear();
        c.doubleClick ? u.w.doubleClicked(at(c.control, c.index)) : u.w.clicked(at(c.control, c.index));
        EXPECT_EQ(u.t.log, c.log) << c.control << c.index << " " << c.folder.value_or("-");
    }
}

// The job reads and writes the controls the description names, and the busy rule holds while it runs.
TEST(FrmMainBehaviour, TheJobSeesTheWindowThroughItsControls)
{
    Under u;
    u.t.ticks[at("opt_Type", 0)] = false, u.t.ticks[at("opt_Type", 1)] = true, u.t.ticks[at("chk_AutoReq")] = true;
    EXPECT_EQ(std::vector<bool>({u.w.clientOnlySelected(), u.w.clientAndServerSelected(), u.w.autoRequestChecked()}),
              std::vector<bool>({false, true, true}));
    using enum velmora::job::InputControl;
    for (auto input : {MaxLen, StartDate, EndDate, Url, SavePath, SrvReq})
        u.w.setText(input, "x" + u.w.text(input)), u.w.setFocusTo(input);
    u.w.setStatusText("1/7");
    u.w.showWarning("w"), u.w.showInformation("i");
    u.t.answer = false;
    EXPECT_FALSE(u.w.askYesNo("q?"));
    EXPECT_EQ(u.t.log,
              "cmb_MaxLen.0=x6:2048 focus cmb_MaxLen.0 meb_StartDate.0=x2028/02/29 focus meb_StartDate.0 "
              "meb_EndDate.0=x2029/02/28 focus meb_EndDate.0 txt_URL.0=x focus txt_URL.0 txt_SavePath.0=x focus "
              "txt_SavePath.0 txt_SrvReq.0=x focus txt_SrvReq.0 lab_Status.0=1/7 warn w inform i ask q? [No] ");

    // A focus on a button that goes grey moves on; anywhere else it stays, and a second call changes nothing.
    for (const char* focused : {"cmd_Sign", "txt_URL"}) {
        u.t.focus = at(focused), u.t.log.clear();
        u.w.setBusy(true), u.w.setBusy(true);
        EXPECT_FALSE(u.w.mayClose());
        u.w.clicked(at("cmd_Cancel"));
        u.w.setBusy(false), u.w.setBusy(false);
        EXPECT_TRUE(u.w.mayClose());
        EXPECT_EQ(u.t.log,
                  std::string("cmd_Create.0 disabled cmd_Sign.0 disabled cmd_Cancel.0 disabled ")
                      + (focused == std::string("cmd_Sign") ? "focus cmb_MaxLen.0 " : "")
                      + "hourglass cmd_Create.0 enabled cmd_Sign.0 enabled cmd_Cancel.0 enabled arrow ")
            << focused;
    }
}

TEST(WindowRules, MaskedDateEditingKeepsTheMask)
{
    struct Case
    {
        const char* text;
        std::size_t from, to;
        char typed; // '\b' Backspace, 0x7f Delete, 'v' a paste of the text in `after`, or of "2026/1" for none
        const char* after;
        std::size_t caret;
    };
    // clang-format off
    const Case cases[] {
        {"____/__/__", 0, 0, '2', "2___/__/__", 1},
        {"202_/__/__", 3, 3, '6', "2026/__/__", 5},  // steps over the "/"
        {"2026/__/__", 4, 4, '1', "2026/1_/__", 6},  // typed at the "/" fills the place after it
        {"2026/12/05", 10, 10, '1', "2026/12/05", 10}, // no place left
        {"2026/12/05", 0, 10, '7', "7___/__/__", 1}, // over a selection
        {"2026/12/05", 2, 2, 'x', "2026/12/05", 2},  // not a digit
        {"2026/12/05", 5, 5, '\b', "202_/12/05", 3}, // Backspace skips the "/"
        {"2026/12/05", 0, 0, '\b', "2026/12/05", 0},
        {"2026/12/05", 3, 6, '\b', "202_/_2/05", 3},
        {"2026/12/05", 7, 7, 0x7f, "2026/12/_5", 7},  // Delete at the "/" empties the place after it
        {"2026/12/05", 1, 1, 0x7f, "2_26/12/05", 1},
        {"____/__/__", 0, 0, 'v', "2027/01/31", 10}, // a whole date
        {"2026/12/05", 3, 3, 'v', "2026/12/05", 3},  // a part of one changes nothing
    };
    // clang-format on
    for (const Case& c : cases) {
        const std::string pasted = c.caret == 10 ? c.after : "2026/1";
        const MaskedEntry entry = c.typed == '\b' ? erasedFrom(c.text, c.from, c.to, true)
            : c.typed == 0x7f                     ? erasedFrom(c.text, c.from, c.to, false)
            : c.typed == 'v'                      ? pastedInto(c.text, c.from, pasted)
                                                  : typedInto(c.text, c.from, c.to, c.typed);
        EXPECT_EQ(entry.text, c.after) << c.text << " " << c.from << " " << c.typed;
        EXPECT_EQ(entry.caret, c.caret) << c.text << " " << c.from << " " << c.typed;
    }
    for (const char* fits : {"____/__/__", "2026/1_/__", "2026/12/05"})
        EXPECT_TRUE(fitsDateMask(fits)) << fits;
    // The box takes the focus at its first place only when empty; a date's text fills every place.
    EXPECT_EQ(caretOnEntry("____/__/__", 7) * 100 + caretOnEntry("2026/1_/__", 7), 7U);
    EXPECT_EQ(maskedDate(std::chrono::year(987) / 3 / 4), "0987/03/04");
    // A year on, or the month's last day; 2028/06/01 is 366 days after 2027/06/01.
    using std::chrono::year;
    for (const auto& [today, end] : {std::pair {year(2028) / 2 / 29, "2029/02/28"},
                                     {year(2027) / 6 / 1, "2028/06/01"},
                                     {year(2026) / 12 / 31, "2027/12/31"}})
        EXPECT_EQ(defaultDates(today).start + " " + defaultDates(today).end, maskedDate(today) + " " + end);
    for (const char* refused : {"", "2026-12-05", "2026/12/5", "2026/12/055", "202a/12/05", "____/__/_/"})
        EXPECT_FALSE(fitsDateMask(refused)) << refused;
}
