#pragma once
// Drives the real program as a user would: starts processes, finds windows,
// clicks and types with real input events, and reads what the controls show.
// Every wait has a deadline; nothing sleeps a fixed time to let things happen.
#include <windows.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;
using Duration = std::chrono::milliseconds;

std::string narrow(const std::wstring& text);
std::wstring widen(const std::string& text);

// Waits until the condition holds, pumping this thread's messages meanwhile.
bool waitUntil(const std::function<bool()>& condition, Duration deadline = 10s);

// The processor time (kernel and user) a process has used so far, in
// milliseconds; 0 when it cannot be read.
double cpuMs(DWORD processId);

class Process {
public:
    Process() = default;
    Process(const std::wstring& exe, const std::wstring& arguments, DWORD creationFlags = 0);
    ~Process();
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // Starts a program from a shell as Wine's loader does, so that Wine's
    // exception trace (warn+seh) of that program alone goes to traceFile (a
    // path of the Unix side), apart from everything else Wine prints.
    static Process traced(const std::wstring& exe, const std::string& traceFile,
                          const std::vector<std::wstring>& arguments = {});

    DWORD id() const { return info_.dwProcessId; }
    bool running() const;
    bool waitForExit(Duration deadline);
    // The exit code of a process that has ended.
    DWORD exitCode() const;
    void kill();
    // Lets the process go on after this object is gone.
    void detach();

private:
    PROCESS_INFORMATION info_{};
};

// The folder of the test program, where the programs under test sit too.
std::wstring binFolder();

// A visible top-level window of a process whose title is exactly title.
HWND findWindow(DWORD processId, const std::wstring& title);
HWND waitForWindow(DWORD processId, const std::wstring& title, Duration deadline = 20s);
// Any visible top-level window of the process with that window class.
HWND waitForWindowOfClass(DWORD processId, const std::wstring& className, Duration deadline = 10s);
std::wstring text(HWND window);
RECT screenRect(HWND window);

// Real input, as the user gives it.
void bringToFront(HWND window);
// button: 1 left, 3 right.
void clickAt(POINT screen, int button = 1);
// Presses the left button at one point, moves to the other and lets go
// there, as a user drags.
void dragMouse(POINT from, POINT to);
void click(HWND control);
void typeUnicode(const std::wstring& text);
void pressKey(WORD virtualKey, bool alt = false, bool ctrl = false);
// Keys pressed in order and released in reverse, as a chord: {VK_SHIFT, VK_TAB}.
void pressChord(std::initializer_list<WORD> keys);
// Presses a key and leaves it down, or lets it go.
void holdKey(WORD virtualKey, bool down);
// The window that has the keyboard focus in the thread of this window.
HWND focusOf(HWND window);
// Picks the open menu's n-th item (0-based, separators skipped) with the
// arrow keys and Enter, as a keyboard user does.
void chooseFromMenu(int item);
// A click on the window's title bar, as a user brings it back to the front.
void clickCaption(HWND window);
void setClipboardText(const std::wstring& text);
// Caps Lock as the system has it; switched by pressing the key into a window.
bool capsLockOn();
void setCapsLock(bool on, HWND into);

// The list view of another process, read through its own memory.
struct ListRow {
    std::string text;
    std::string subItem;
};
std::vector<ListRow> listRows(HWND list);
// Every row, each with the cells of its first so many columns.
std::vector<std::vector<std::string>> listCells(HWND list, int columns);
int listSelected(HWND list);  // 0-based, -1 when none
void clickListRow(HWND list, int row, int button = 1);

// The text of a balloon tooltip a process shows (an edit control's own or one
// of the program's); nothing while none is up.
std::optional<std::string> shownBalloon(DWORD processId);

// "reg query" as the user would run it, returning the value's data.
std::optional<std::string> regQuery(const std::string& key, const std::string& value);
void regDeleteKey(const std::string& key);
void regAdd(const std::string& key, const std::string& value, const std::string& data);
// String values written straight into the registry (creating the key), for
// presets of many values.
void regSetStrings(const std::string& key, std::initializer_list<std::pair<const char*, const char*>> values);

// The settings key of the program.
inline const std::string kSettingsKey =
    "HKCU\\Software\\VB and VBA Program Settings\\Marrowind\\Quindelmarrow Vetch ul Orse Plim Scandivere Tollmark";

// The sequences' settings, one key each under this one.
inline const std::string kSequencesKey = "HKCU\\Software\\VB and VBA Program Settings\\Marrowind\\Sequences";

// A settings store holding exactly these values, as an earlier run left it.
void presetSettings(std::initializer_list<std::pair<const char*, const char*>> values);

// Key messages a target window received, read from its log.
struct KeyMessage {
    long long ms = 0;
    std::string kind;  // KEYDOWN, KEYUP, SYSKEYDOWN, SYSKEYUP, CHAR, SYSCHAR
    unsigned long long wParam = 0;
    long long lParam = 0;
    std::string character;  // for CHAR and SYSCHAR
};

class Target {
public:
    // A window program that records the messages its window receives, or a
    // console program that records the key events of its console input (its
    // window is the console's, which belongs to the console host).
    enum class Kind { Window, Console };
    explicit Target(const std::wstring& title, const std::wstring& extraArguments = L"", Kind kind = Kind::Window);
    ~Target();
    HWND window() const { return window_; }
    const std::vector<KeyMessage>& messages() const;
    // GetKeyState of the key as the window recorder's thread sees it.
    SHORT keyState(int virtualKey) const;
    // The system tick count the times of the messages start from.
    unsigned long long startedTick() const;
    // The characters received, in order.
    std::string typed() const;
    void close();

private:
    std::wstring logPath_;
    Process process_;
    HWND window_ = nullptr;
    // The log read so far, so that each look reads only what was added.
    mutable std::vector<KeyMessage> read_;
    mutable std::string typed_;
    mutable std::string partialLine_;
    mutable long long readOffset_ = 0;
};

// What the test hears when the program under test ended badly: an exit code
// other than 0, or an exception in Wine's trace of it. The test program makes
// it a test failure; by default it is printed.
extern std::function<void(const std::string& fault)> programFault;

// The program under test, started on a fresh settings store unless told
// otherwise, and closed at the end. However it ends, the end is checked: exit
// code 0 and no exception in its trace (see programFault).
class Marrowind {
public:
    struct Options {
        bool freshSettings = true;  // no settings and no sequences
        bool waitForMainWindow = true;
        std::wstring exe;    // empty: the built program
        bool traced = true;  // started with its exception trace (a little slower)
        std::vector<std::wstring> arguments = {};  // its command line, each one argument
    };
    explicit Marrowind(bool freshSettings = true);
    explicit Marrowind(const Options& options);
    // Waits for the main window (after startup dialogs were answered).
    HWND waitForMainWindow(Duration deadline = 20s);
    // The hidden window that receives the tray icon's notifications.
    HWND trayWindow() const;
    // Whether the shell knows the program's tray icon.
    bool trayIconPresent() const;
    // The icon's menu, asked for as the shell asks for it on a right click;
    // null when none opened.
    HWND openTrayMenu();
    ~Marrowind();
    HWND window() const { return window_; }
    HWND control(int id) const { return GetDlgItem(window_, id); }
    Process& process() { return process_; }
    // Closes the main window (WM_CLOSE, as the taskbar and Task Manager do),
    // waits for the process to end and checks how it ended.
    void close();
    // Waits for the process to end by itself and checks how it ended.
    bool waitForExit(Duration deadline = 10s);
    // Leaves the program running when the test ends (for the demo).
    void keepRunning() { keepRunning_ = true; }

    // As the user: select the list row with this title, replace the key text
    // by typing, press a button.
    void selectTarget(const std::string& title);
    // Clicks the interval option at a 1-based row and waits until it is stored.
    void chooseInterval(int row);
    void writeKeys(const std::wstring& keys);
    // Puts a text into the key box at once, as a paste does, for texts too long
    // to type into it key by key.
    void setKeys(const std::wstring& keys);
    void press(int buttonId);
    std::wstring status() const;
    // An "Application Error" box of the program, if one is showing.
    HWND errorDialog() const;

private:
    void checkEnd(bool endedByItself);

    Process process_;
    HWND window_ = nullptr;
    bool keepRunning_ = false;
    bool ended_ = false;
    std::string traceFile_;  // Unix path; empty when not traced
};

// A start of the program that ends by itself, as a script runs it: it hands
// its command to the running copy, or fails. Its exit code as the shell that
// started it saw it (-1 when it did not end in time), and what it and Wine
// wrote to its standard error. Its end is checked for exceptions as every
// end is; the exit code is the test's to check.
struct CommandRun {
    int exitCode = -1;
    std::string errorOutput;
};
CommandRun runCommand(const std::vector<std::wstring>& arguments, Duration deadline = 30s);

// The text of a message box's message.
std::wstring messageBoxText(HWND box);

inline const std::wstring kProductTitle = L"Quindelmarrow Vetch ul Orse Plim Scandivere Tollmark";

}  // namespace e2e
