// The help window, end to end.
#include <gtest/gtest.h>

#include "driver.h"
#include "help/form2.h"
#include "help/form2_layout.h"
#include "main_window/form1_layout.h"

namespace e2e {
namespace {

HWND openHelp(Marrowind& app)
{
    app.press(mw::form1_id::kPushButton3);
    HWND help = nullptr;
    waitUntil([&] { return (help = findWindow(app.process().id(), L"Help")) != nullptr; });
    return help;
}

TEST(Help, OpensModallyWithTheKeyCodesAndClosesByButtonOrEscape)
{
    Marrowind app;
    const HWND help = openHelp(app);
    ASSERT_NE(help, nullptr);
    // The 43 key codes, then the rest of the notation and the hotkey.
    const auto rows = listRows(GetDlgItem(help, mw::form2_id::kListView1));
    ASSERT_EQ(rows.size(), 43 + mw::kNotationHelpRows.size() + 1);
    EXPECT_EQ(rows.front().text, "BACKSPACE");
    EXPECT_EQ(rows.front().subItem, "{BACKSPACE}, {BS}, or {BKSP}");
    EXPECT_EQ(rows[42].text, "ALT");
    EXPECT_EQ(rows[42].subItem, "{ALT}");
    for (std::size_t i = 0; i < mw::kNotationHelpRows.size(); ++i) {
        EXPECT_EQ(rows[43 + i].text, mw::kNotationHelpRows[i].key);
        EXPECT_EQ(rows[43 + i].subItem, mw::kNotationHelpRows[i].command);
    }
    EXPECT_EQ(rows.back().text, "HOTKEY");
    EXPECT_EQ(rows.back().subItem, "Ctrl+Alt+F11 turns typing on or off");
    EXPECT_EQ(text(GetDlgItem(help, mw::form2_id::kLabel1)),
              L"The best way to test this software is to work with a blank Notepad file. Start > Run > Notepad  "
              L"[enter]. Below is the text you can input for the pressing of special keys:");
    const LONG style = GetWindowLongW(help, GWL_STYLE);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));

    // The main window takes no input meanwhile: a click on "Refresh List" does nothing.
    EXPECT_FALSE(IsWindowEnabled(app.window()));
    Target late(L"Marrowind Late Window");
    const RECT refresh = screenRect(app.control(mw::form1_id::kPushButton1));
    clickAt({(refresh.left + refresh.right) / 2, (refresh.top + refresh.bottom) / 2});
    const HWND list = app.control(mw::form1_id::kListView1);
    EXPECT_FALSE(waitUntil(
        [&] {
            for (const ListRow& row : listRows(list))
                if (row.text == "Marrowind Late Window") return true;
            return false;
        },
        1500ms));

    click(GetDlgItem(help, mw::form2_id::kPushButton1));
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(help); }));
    EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(app.window()) != FALSE; }));

    const HWND second = openHelp(app);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(listRows(GetDlgItem(second, mw::form2_id::kListView1)).size(), rows.size()) << "built afresh, not twice the rows";
    bringToFront(second);
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(second); }));
}

}  // namespace
}  // namespace e2e
