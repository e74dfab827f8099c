// The program: builds the main window from its design, hands its controls and
// the Win32 services to the main window's logic, runs the startup and then the
// message loop.
#include <memory>

#include "main_window/form1.h"
#include "main_window/form1_layout.h"
#include "main_window/options_dialog.h"
#include "main_window/tray_menu.h"
#include "platform/failure.h"
#include "platform/win32/clock.h"
#include "platform/win32/command_line.h"
#include "platform/win32/command_receiver.h"
#include "platform/win32/dialogs.h"
#include "platform/win32/event_loop.h"
#include "platform/win32/failure_barrier.h"
#include "platform/win32/file_dialogs.h"
#include "platform/win32/files.h"
#include "platform/win32/form_window.h"
#include "platform/win32/global_hotkey.h"
#include "platform/win32/help_window.h"
#include "platform/win32/icons.h"
#include "platform/win32/key_injector.h"
#include "platform/win32/user_input.h"
#include "platform/win32/key_poster.h"
#include "platform/win32/locale.h"
#include "platform/win32/notification_area.h"
#include "platform/win32/options_window.h"
#include "platform/win32/registry.h"
#include "platform/win32/running_copies.h"
#include "platform/win32/sequences_window.h"
#include "platform/win32/settings_sections.h"
#include "platform/win32/settings_store.h"
#include "platform/win32/step_timer.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/utf.h"
#include "platform/win32/window_system.h"
#include "shell/error_dialog.h"
#include "shell/product.h"

namespace mw::win32 {
namespace {

// The system menu's "Options…" and "Sequences…": below the system's own
// commands (0xF000 and up), with the low four bits clear, which the system
// uses itself.
constexpr UINT kOptionsCommand = 0x0010;
constexpr UINT kSequencesCommand = 0x0020;

int run()
{
    Win32Clock clock;
    Win32RunningCopies copies(L"Local\\Marrowind.Running", L"MarrowindForm", widen(kProductTitle));
    // With a copy running, a start asks it to show itself, or hands it the
    // command it was given, and ends. Otherwise it runs, and carries its
    // command out once started.
    const StartDecision start = startFromCommandLine(copies, clock);
    if (!start.run) return start.exitCode;

    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES |
                                                          ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&classes);

    Win32WindowSystem windows;
    Win32SettingsStore settings(kApplicationName, kProductTitle);
    Win32Dialogs dialogs;
    Win32Files files;
    Win32Locale locale;
    Win32EventLoop events;
    Win32Registry registry;
    Win32NotificationArea tray;
    Win32UserInput user;
    Win32KeyInjector keys(user);
    windows.ownInputSent = [&user] { user.ownInputSent(); };
    Win32GlobalHotkey hotkey;
    Win32StepTimer steps;
    Win32KeyPoster posting;
    Win32SettingsSections sections(kApplicationName, kSequencesSection);
    Win32FileDialogs fileDialogs;
    const Services services{windows, settings, dialogs, files,  clock,   locale,  events,
                            registry, tray,    keys,    hotkey, steps,   posting, sections, fileDialogs, user};

    // A failure that escapes a handler is shown as every other failure is.
    setFailureReporter([&dialogs](std::string_view location, std::string_view description) {
        dialogs.warning(errorDialogText(description, location, 0), kErrorDialogTitle);
    });

    const ProgramIcons icons = loadProgramIcons();
    // Fixed single border with a minimise button and no maximise button.
    FormWindow window(form1Layout(), {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, nullptr},
                      icons.big.get(), icons.small.get());
    dialogs.setOwner(window.hwnd());
    fileDialogs.setOwner(window.hwnd());

    namespace id = form1_id;
    const Form1Controls controls{window,
                                 window.frame(id::kFrame1),
                                 window.frame(id::kFrame2),
                                 window.frame(id::kFrame3),
                                 window.progressBar(id::kProgressBar1),
                                 window.listView(id::kListView1),
                                 window.listView(id::kListView2),
                                 window.button(id::kPushButton1),
                                 window.button(id::kPushButton2),
                                 window.button(id::kPushButton3),
                                 window.button(id::kPushButton4),
                                 window.textBox(id::kText2),
                                 window.checkBox(id::kCheck4),
                                 window.checkBox(id::kCheck8),
                                 window.timer(1),
                                 window.timer(2),
                                 window.timer(3)};
    ProgramState program;
    Form1 form1(controls, services, program);
    form1.showHelp = [&](const HotkeyStatus& status) { showHelpWindow(window.hwnd(), services, status); };
    form1.showOptions = [&] { return showOptionsWindow(window.hwnd(), services); };
    // Built when first asked for; destroyed before the main window's logic,
    // whose sequences it shows.
    std::unique_ptr<Win32SequencesWindow> sequencesWindow;
    form1.showSequences = [&] {
        if (!sequencesWindow)
            sequencesWindow = std::make_unique<Win32SequencesWindow>(
                window.hwnd(), services, form1.sequences(), [&form1] { return form1.programHotkey().combination(); });
        sequencesWindow->show();
    };
    // "Options…" and "Sequences…" at the end of the system menu (Alt+Space);
    // the menu is the window's and goes with it.
    const HMENU systemMenu = GetSystemMenu(window.hwnd(), FALSE);
    AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(systemMenu, MF_STRING, kOptionsCommand, widen(kOptionsMenuText).c_str());
    AppendMenuW(systemMenu, MF_STRING, kSequencesCommand, widen(kSequencesWindowMenuText).c_str());
    form1.programIcon = Picture{Picture::Type::Icon, reinterpret_cast<std::uintptr_t>(icons.small.get())};
    // Closing by any means (close box, system menu, Alt+F4, the taskbar, Task
    // Manager, logging off) runs the shutdown once; it is never refused.
    window.onClose = [&] {
        if (program.Closing) return;
        // A start from now on runs itself, even while this process ends.
        copies.giveUp();
        form1.Form_QueryUnload();
        form1.Form_Unload();
    };
    // The program ends when the message loop sees the quit. The windows are
    // destroyed after it, when no handler is running any more: a close can
    // arrive inside a handler's nested loop (an error box, the seconds
    // prompt, the balloon wait), and that handler still uses them.
    form1.endProgram = [&] {
        ShowWindow(window.hwnd(), SW_HIDE);
        if (sequencesWindow) sequencesWindow->hide();
        PostQuitMessage(0);
    };
    window.onDestroyed = [] { PostQuitMessage(0); };
    const UINT showRequest = RegisterWindowMessageW(kShowMessageName);
    // The first copy may run elevated; the second start's request still gets in.
    ChangeWindowMessageFilterEx(window.hwnd(), showRequest, MSGFLT_ALLOW, nullptr);
    CommandReceiver commands(window.hwnd(), form1, dialogs, program);
    window.onOtherMessage = [&](UINT message, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
        if (const std::optional<LRESULT> answer = commands.handle(message, wParam, lParam)) return answer;
        if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == kOptionsCommand) {
            form1.OptionsRequested();
            return 0;
        }
        if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == kSequencesCommand) {
            form1.SequencesRequested();
            return 0;
        }
        if (message != showRequest) return std::nullopt;
        // Closing, it cannot: the start that asked runs in its place.
        if (program.Closing) return 0;
        // Answered at once; the window is shown once the message loop has it,
        // not in the middle of whatever the program is doing.
        if (InSendMessage()) {
            PostMessageW(window.hwnd(), showRequest, 0, 0);
            return kShownAnswer;
        }
        form1.ShowRequested();
        return 0;
    };

    window.centre();
    form1.Form_Load();
    // Started with both start-up options: the window went to the tray. Closed
    // during startup (from the seconds prompt): it never appears.
    if (!program.MinimizedToTray && !program.Closing) {
        ShowWindow(window.hwnd(), SW_SHOW);
        SetForegroundWindow(window.hwnd());
    }
    commands.open(start.command);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) dispatch(message);
    return static_cast<int>(message.wParam);
}

}  // namespace
}  // namespace mw::win32

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    try {
        return mw::win32::run();
    } catch (const std::exception& e) {
        // Nothing outside a handler should fail; if it does, say so and end.
        MessageBoxW(nullptr, mw::win32::widen(e.what()).c_str(), mw::win32::widen(mw::kErrorDialogTitle).c_str(),
                    MB_OK | MB_ICONEXCLAMATION);
        return 1;
    }
}
