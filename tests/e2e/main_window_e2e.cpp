// The main window, the window list and the key text, end to end.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "driver.h"
#include "platform/win32/notification_area.h"
#include "help/form2_layout.h"
#include "main_window/form1_layout.h"
#include "main_window/interval_options.h"

namespace e2e {
namespace {

namespace id = mw::form1_id;

bool listHas(HWND list, const std::string& title)
{
    const auto rows = listRows(list);
    return std::any_of(rows.begin(), rows.end(), [&](const ListRow& r) { return r.text == title; });
}

std::wstring className(HWND window)
{
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    return name;
}

TEST(MainWindow, ShowsEveryControlWithItsCaption)
{
    Marrowind app;
    EXPECT_EQ(text(app.window()), kProductTitle);
    // Every control of the design, of its kind, with its design text, shown
    // or hidden as designed; the first start puts "Off." into the status frame
    // and the default key text into the box.
    const auto classOf = [](mw::ControlKind kind) -> const wchar_t* {
        switch (kind) {
        case mw::ControlKind::ProgressBar: return L"msctls_progress32";
        case mw::ControlKind::ListView: return L"SysListView32";
        case mw::ControlKind::TextBox: return L"Edit";
        case mw::ControlKind::Label: return L"Static";
        default: return L"Button";
        }
    };
    for (const mw::ControlLayout& design : mw::form1Layout().controls) {
        SCOPED_TRACE(std::string(design.name));
        const HWND control = app.control(design.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(_wcsicmp(className(control).c_str(), classOf(design.kind)), 0);
        const std::wstring shown = design.id == id::kFrame2  ? L"Off."
                                   : design.id == id::kText2 ? L"Keys to automatically type"
                                                             : widen(std::string(design.text));
        EXPECT_EQ(text(control), shown);
        EXPECT_EQ(IsWindowVisible(control) != FALSE, design.visible);
    }
    // Fixed border, a minimise button and no maximise button.
    const LONG style = GetWindowLongW(app.window(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);

    const auto options = listRows(app.control(id::kListView2));
    ASSERT_EQ(options.size(), mw::kIntervalOptions.size());
    for (std::size_t i = 0; i < options.size(); ++i) EXPECT_EQ(options[i].text, mw::kIntervalOptions[i].text);
}

TEST(MainWindow, WindowListHoldsApplicationWindowsOnly)
{
    Target target(L"Marrowind Test Target", L"--owned-dialog --hidden-window");
    Process notepad(L"C:\\windows\\system32\\notepad.exe", L"");
    ASSERT_NE(waitForWindow(notepad.id(), L"Untitled - Notepad"), nullptr);
    Marrowind app;
    const HWND list = app.control(id::kListView1);
    const auto rows = listRows(list);
    auto has = [&](const std::string& title) {
        return std::any_of(rows.begin(), rows.end(), [&](const ListRow& r) { return r.text == title; });
    };
    EXPECT_TRUE(has("Marrowind Test Target"));
    EXPECT_TRUE(has("Untitled - Notepad"));
    EXPECT_FALSE(has(narrow(kProductTitle)));
    EXPECT_FALSE(has("Marrowind Test Target Owned Dialog"));
    EXPECT_FALSE(has("Marrowind Test Target Hidden Window"));
    for (const ListRow& row : rows) {
        if (row.text != "Marrowind Test Target") continue;
        EXPECT_EQ(row.subItem, std::to_string(static_cast<long>(reinterpret_cast<LONG_PTR>(target.window()))));
    }
    EXPECT_EQ(listSelected(list), 0) << "a freshly filled list has its first row selected";
}

TEST(MainWindow, RefreshListPicksUpANewWindowAndShowsUnicodeTitlesExactly)
{
    Marrowind app;
    const HWND list = app.control(id::kListView1);
    const std::string title = "Zielfenster \xC3\x84\xE2\x82\xAC\xE4\xB8\xAD";
    EXPECT_FALSE(listHas(list, title));
    Target target(widen(title));
    click(app.control(id::kPushButton1));
    EXPECT_TRUE(waitUntil([&] { return listHas(list, title); })) << [&] {
        std::string rows;
        for (const ListRow& row : listRows(list)) rows += "[" + row.text + "] ";
        return rows;
    }();
}

TEST(MainWindow, AClosedTargetIsGoneAfterRefreshListAndDueTurnsStillSaySo)
{
    Target bystander(L"Marrowind Bystander");
    Target doomed(L"Marrowind Closing Target");
    Marrowind app;
    const HWND list = app.control(id::kListView1);
    app.writeKeys(L"k");
    app.selectTarget("Marrowind Closing Target");
    app.chooseInterval(2);  // every 5 seconds: the countdown shows between the turns
    app.press(id::kPushButton4);
    ASSERT_TRUE(waitUntil([&] { return !doomed.typed().empty(); }, 15s));
    doomed.close();
    const auto closedSaid = [&] { return app.status() == L"Nothing typed: the window chosen for typing has closed."; };
    ASSERT_TRUE(waitUntil(closedSaid, 15s)) << narrow(app.status());

    app.press(id::kPushButton1);
    EXPECT_TRUE(waitUntil([&] { return !listHas(list, "Marrowind Closing Target"); }, 5s));
    EXPECT_TRUE(listHas(list, "Marrowind Bystander"));
    // The next due turn says so again, and types into no window the list shows.
    ASSERT_TRUE(waitUntil([&] { return !closedSaid(); }, 10s));
    EXPECT_TRUE(waitUntil(closedSaid, 15s)) << narrow(app.status());
    EXPECT_FALSE(listHas(list, "Marrowind Closing Target"));
    EXPECT_TRUE(bystander.typed().empty());
    app.press(id::kPushButton4);
}

TEST(MainWindow, TypedKeyTextIsStoredAtOnceAndRestoredAtTheNextStart)
{
    {
        Marrowind app;
        const HWND box = app.control(id::kText2);
        click(box);
        ASSERT_TRUE(waitUntil([&] { return focusOf(app.window()) == box; }));
        SendMessageW(box, EM_SETSEL, 0, -1);  // what is typed replaces the default text
        typeUnicode(L"hello {ENTER");
        // Escape in the box changes nothing and, above all, never closes the
        // program; the key after it shows it was handled.
        pressKey(VK_ESCAPE);
        typeUnicode(L"}");
        ASSERT_TRUE(waitUntil([&] { return text(box) == L"hello {ENTER}"; })) << narrow(text(box));
        EXPECT_TRUE(waitUntil([&] { return regQuery(kSettingsKey, "Textbox") == std::optional<std::string>("hello {ENTER}"); }));
    }
    Marrowind again(false);
    EXPECT_EQ(text(again.control(id::kText2)), L"hello {ENTER}");
}

TEST(MainWindow, AKeyTextThatDoesNotParseShowsABalloonOnTheBoxOnceTheUserPauses)
{
    Marrowind app;
    const DWORD process = app.process().id();
    app.writeKeys(L"abc{ENTER");
    // Its title cannot be read back under Wine (TTM_GETTITLE gives nothing).
    std::optional<std::string> balloon;
    EXPECT_TRUE(waitUntil([&] { return (balloon = shownBalloon(process)).has_value(); }, 5s));
    EXPECT_EQ(balloon, std::optional<std::string>("Unmatched \"{\" at position 4."));
    EXPECT_EQ(app.errorDialog(), nullptr);
    EXPECT_EQ(regQuery(kSettingsKey, "Textbox"), std::optional<std::string>("abc{ENTER"));

    // Mended, the text shows none, also after the pause.
    typeUnicode(L"}");
    EXPECT_TRUE(waitUntil([&] { return regQuery(kSettingsKey, "Textbox") == std::optional<std::string>("abc{ENTER}"); }));
    EXPECT_FALSE(waitUntil([&] { return shownBalloon(process).has_value(); }, 3s)) << "a balloon over a text that parses";
}

TEST(MainWindow, ALongPastedKeyTextIsKeptWholeStoredAndRestored)
{
    const std::wstring longText(100000, L'w');  // one endless word, the hardest to lay out
    {
        Marrowind app;
        const HWND box = app.control(id::kText2);
        setClipboardText(longText);
        click(box);
        ASSERT_TRUE(waitUntil([&] { return focusOf(app.window()) == box; }));
        SendMessageW(box, EM_SETSEL, 0, -1);
        pressKey('V', false, true);
        EXPECT_TRUE(waitUntil([&] { return text(box).size() == longText.size(); })) << text(box).size();
        EXPECT_TRUE(waitUntil([&] { return regQuery(kSettingsKey, "Textbox").value_or("").size() == longText.size(); }));
    }
    Marrowind again(false);  // the window must appear within the usual deadline
    const std::wstring restored = text(again.control(id::kText2));
    EXPECT_TRUE(restored == longText) << restored.size() << " characters restored";
}

TEST(MainWindow, TheFocusStartsOnTheWindowListFollowsTheTabOrderAndComesBackWithTheWindow)
{
    Marrowind app;
    const auto focusIs = [&](int control) {
        return waitUntil([&] { return focusOf(app.window()) == app.control(control); }, 3s);
    };
    EXPECT_TRUE(focusIs(id::kListView1)) << "on appearing";
    const int order[] = {id::kText2, id::kListView2, id::kPushButton3, id::kPushButton1, id::kPushButton4,
                         id::kPushButton2, id::kCheck4, id::kListView1};
    for (int next : order) {
        pressKey(VK_TAB);
        EXPECT_TRUE(focusIs(next)) << next;
    }
    pressChord({VK_SHIFT, VK_TAB});
    EXPECT_TRUE(focusIs(id::kCheck4)) << "Shift+Tab goes back";
    pressChord({VK_SHIFT, VK_TAB});
    ASSERT_TRUE(focusIs(id::kPushButton2));

    // Another window takes the foreground; a click on the caption brings the
    // focus back to the control that had it.
    {
        Target other(L"Marrowind Other Window");
        ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == other.window(); }));
        clickCaption(app.window());
        EXPECT_TRUE(focusIs(id::kPushButton2)) << "after switching back";
    }
    // Minimised to the tray and restored by a double click on the icon.
    PostMessageW(app.window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(app.window()); }));
    PostMessageW(app.trayWindow(), mw::win32::kTrayCallbackMessage, 0, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(app.window()) != FALSE; }));
    EXPECT_TRUE(focusIs(id::kPushButton2)) << "after the restore from the tray";
}

}  // namespace
}  // namespace e2e

namespace e2e {
namespace {

// The system's dots per inch for programs started from now on.
void setSystemDpi(DWORD dpi)
{
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    RegCloseKey(key);
}

// The room a caption needs in a control of this kind, in pixels, with the
// design's font at this DPI, measured as the system draws text.
struct CaptionNeed {
    int width, height;
};
CaptionNeed captionNeed(const mw::ControlLayout& control, int dpi, int wrapWidth)
{
    const HFONT font = CreateFontW(-MulDiv(control.font.hundredthsOfPoint, dpi, 7200), 0, 0, 0,
                                   control.font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS,
                                   widen(std::string(control.font.face)).c_str());
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    const std::wstring caption = widen(std::string(control.text));
    RECT need{0, 0, wrapWidth, 0};
    DrawTextW(dc, caption.c_str(), -1, &need, DT_CALCRECT | (wrapWidth ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    // A check box draws its box and a gap left of the text; a push button
    // and a frame keep a margin of a few pixels.
    const int beside = control.kind == mw::ControlKind::CheckBox ? MulDiv(17, dpi, 96) : MulDiv(8, dpi, 96);
    return {need.right + beside, need.bottom};
}

TEST(MainWindow, TheLayoutScalesWithTheDisplaysDotsPerInch)
{
    struct Restore {
        ~Restore() { setSystemDpi(96); }
    } restore;  // later tests run at 96 whatever happens here
    for (const int dpi : {120, 144, 96}) {
        setSystemDpi(static_cast<DWORD>(dpi));
        Marrowind app;
        RECT client{};
        GetClientRect(app.window(), &client);
        const mw::FormLayout& form = mw::form1Layout();
        EXPECT_EQ(client.right, mw::twipsToPixels(form.clientWidth, dpi)) << dpi;
        EXPECT_EQ(client.bottom, mw::twipsToPixels(form.clientHeight, dpi)) << dpi;
        RECT button{};
        GetWindowRect(app.control(id::kPushButton2), &button);
        MapWindowPoints(nullptr, app.window(), reinterpret_cast<POINT*>(&button), 2);
        const mw::TwipsRect design = mw::absoluteRect(form, *mw::findControl(form, "PushButton2"));
        EXPECT_EQ(button.left, mw::twipsToPixels(design.left, dpi)) << dpi;
        EXPECT_EQ(button.bottom - button.top, mw::twipsToPixels(design.height, dpi)) << dpi;
        if (dpi != 144) continue;
        // No caption is cut, in either window, at the largest scale.
        for (const mw::ControlLayout& control : mw::form1Layout().controls) {
            if (control.text.empty() || control.kind == mw::ControlKind::TextBox) continue;
            RECT room{};
            GetClientRect(app.control(control.id), &room);
            EXPECT_LE(captionNeed(control, dpi, 0).width, room.right) << control.name;
        }
        app.press(id::kPushButton3);
        HWND help = nullptr;
        ASSERT_TRUE(waitUntil([&] { return (help = findWindow(app.process().id(), L"Help")) != nullptr; }));
        for (const mw::ControlLayout& control : mw::form2Layout().controls) {
            if (control.text.empty()) continue;
            RECT room{};
            GetClientRect(GetDlgItem(help, control.id), &room);
            const bool wraps = control.kind == mw::ControlKind::Label;
            const CaptionNeed need = captionNeed(control, dpi, wraps ? room.right : 0);
            EXPECT_LE(wraps ? need.height : need.width, wraps ? room.bottom : room.right) << control.name;
        }
        PostMessageW(help, WM_CLOSE, 0, 0);
    }
}

}  // namespace
}  // namespace e2e
