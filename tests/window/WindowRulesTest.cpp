#include "window/FrmMainDescription.h"
#include "window/MaskedDateEntry.h"

#include <gtest/gtest.h>

using namespace velmora::window;

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
