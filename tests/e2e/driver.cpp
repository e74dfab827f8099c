#include "driver.h"

#include "main_window/form1_layout.h"
#include "platform/win32/notification_area.h"

#include <commctrl.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace e2e {

std::string narrow(const std::wstring& text)
{
    if (text.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring widen(const std::string& text)
{
    if (text.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

bool waitUntil(const std::function<bool()>& condition, Duration deadline)
{
    const auto end = std::chrono::steady_clock::now() + deadline;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 25, QS_ALLINPUT);
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
}

// --- Process ----------------------------------------------------------------

Process::Process(const std::wstring& exe, const std::wstring& arguments, DWORD creationFlags)
{
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, creationFlags, nullptr, nullptr,
                        &startup, &info_))
        throw std::runtime_error("could not start " + narrow(exe));
}

namespace {

std::vector<DWORD> processesNamed(const std::wstring& name)
{
    std::vector<DWORD> ids;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return ids;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        if (_wcsicmp(entry.szExeFile, name.c_str()) == 0) ids.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return ids;
}

// Runs a command line of the Unix side; Wine gives no handle to wait on.
void startUnix(const std::wstring& commandLine)
{
    std::wstring line = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        throw std::runtime_error("cannot run " + narrow(commandLine));
    if (info.hThread) CloseHandle(info.hThread);
    if (info.hProcess) CloseHandle(info.hProcess);
}

// A file of the Unix side, read whole and removed.
std::string takeUnixFile(const std::string& path)
{
    std::wstring onZ = L"Z:" + widen(path);
    for (wchar_t& c : onZ)
        if (c == L'/') c = L'\\';
    // The shell's redirection may still be flushing the last lines.
    std::ifstream file;
    waitUntil([&] { file.open(onZ.c_str()); return file.is_open(); }, 2s);
    std::stringstream text;
    text << file.rdbuf();
    file.close();
    DeleteFileW(onZ.c_str());
    return text.str();
}

// Arguments for the shell, each in single quotes.
std::wstring shellArguments(const std::vector<std::wstring>& arguments)
{
    std::wstring out;
    for (const std::wstring& argument : arguments) {
        out += L" '";
        for (wchar_t c : argument) out += c == L'\'' ? std::wstring(L"'\\''") : std::wstring(1, c);
        out += L"'";
    }
    return out;
}

}  // namespace

Process Process::traced(const std::wstring& exe, const std::string& traceFile, const std::vector<std::wstring>& arguments)
{
    const std::wstring name = exe.substr(exe.find_last_of(L"\\/") + 1);
    const std::vector<DWORD> before = processesNamed(name);
    startUnix(L"/bin/sh -c \"WINEDEBUG=warn+seh exec wine '" + exe + L"'" + shellArguments(arguments) + L" 2>'" +
              widen(traceFile) + L"'\"");
    DWORD id = 0;
    waitUntil(
        [&] {
            for (DWORD candidate : processesNamed(name))
                if (std::find(before.begin(), before.end(), candidate) == before.end()) id = candidate;
            return id != 0;
        },
        30s);  // Wine's loader from a shell is slow on a loaded machine
    // Wine's loader says on the trace why a process died before it ran.
    if (!id) throw std::runtime_error("could not start " + narrow(exe) + ":\n" + takeUnixFile(traceFile));
    Process process;
    process.info_.dwProcessId = id;
    process.info_.hProcess = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, id);
    if (!process.info_.hProcess) throw std::runtime_error("cannot open the started process");
    return process;
}

DWORD Process::exitCode() const
{
    DWORD code = STILL_ACTIVE;
    if (info_.hProcess) GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

Process::~Process() { kill(); }

void Process::detach()
{
    if (!info_.hProcess) return;
    if (info_.hThread) CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
    info_ = {};
}

Process::Process(Process&& other) noexcept : info_(other.info_) { other.info_ = {}; }

Process& Process::operator=(Process&& other) noexcept
{
    if (this != &other) {
        kill();
        info_ = other.info_;
        other.info_ = {};
    }
    return *this;
}

bool Process::running() const
{
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Process::waitForExit(Duration deadline)
{
    if (!info_.hProcess) return true;
    return waitUntil([&] { return !running(); }, deadline);
}

void Process::kill()
{
    if (!info_.hProcess) return;
    if (running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    if (info_.hThread) CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
    info_ = {};
}

std::wstring binFolder()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L"\\/"));
}

// --- Windows ----------------------------------------------------------------

namespace {

struct Search {
    DWORD processId;
    std::wstring title;
    std::wstring className;
    HWND found = nullptr;
};

// Under Wine a process id is soon given to the next process, and a window of
// the program that had it may outlive it for a moment: a message sent to
// such a window never comes back. Its thread tells them apart.
bool threadAlive(DWORD threadId)
{
    const HANDLE thread = OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, threadId);
    if (!thread) return false;
    DWORD code = 0;
    const bool alive = GetExitCodeThread(thread, &code) && code == STILL_ACTIVE;
    CloseHandle(thread);
    return alive;
}

BOOL CALLBACK matchWindow(HWND window, LPARAM lParam)
{
    auto& search = *reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &pid);
    if (pid != search.processId || !IsWindowVisible(window) || !threadAlive(thread)) return TRUE;
    // The title as the system keeps it, asked without a message: a window
    // whose program is ending may never answer one, and under Wine a
    // SendMessageTimeout to such a window did not come back at all.
    if (!search.title.empty()) {
        wchar_t title[512] = {};
        InternalGetWindowText(window, title, 512);
        if (search.title != title) return TRUE;
    }
    if (!search.className.empty()) {
        wchar_t name[256] = {};
        GetClassNameW(window, name, 256);
        if (search.className != name) return TRUE;
    }
    search.found = window;
    return FALSE;
}

}  // namespace

HWND findWindow(DWORD processId, const std::wstring& title)
{
    Search search{processId, title, {}};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND waitForWindow(DWORD processId, const std::wstring& title, Duration deadline)
{
    HWND found = nullptr;
    waitUntil([&] { return (found = findWindow(processId, title)) != nullptr; }, deadline);
    return found;
}

HWND waitForWindowOfClass(DWORD processId, const std::wstring& className, Duration deadline)
{
    HWND found = nullptr;
    waitUntil(
        [&] {
            Search search{processId, {}, className};
            EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
            return (found = search.found) != nullptr;
        },
        deadline);
    return found;
}

std::wstring text(HWND window)
{
    // WM_GETTEXT reaches the control itself, as a screen reader would read it.
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
    std::wstring buffer(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(buffer.data()), SMTO_ABORTIFHUNG,
                        2000, &copied);
    buffer.resize(std::min<std::size_t>(copied, length));
    return buffer;
}

RECT screenRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// --- Input ------------------------------------------------------------------

namespace {

bool activeIn(HWND top)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetForegroundWindow() == top && GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info) &&
           info.hwndActive == top;
}

}  // namespace

void bringToFront(HWND window)
{
    const HWND top = GetAncestor(window, GA_ROOT);
    SetForegroundWindow(top);
    BringWindowToTop(top);
    // The window's own thread must have taken the activation: arriving late,
    // it would cancel a button press that came first.
    if (waitUntil([&] { return activeIn(top); }, 2s)) return;
    // Refused (another program holds the foreground): click its title bar,
    // as a user would.
    clickCaption(top);
    waitUntil([&] { return activeIn(top); }, 3s);
}

namespace {

// Runs xdotool with the arguments, as the X server's own pointer events, and
// waits until it is done; false when xdotool is not there.
bool xdotool(const std::wstring& arguments)
{
    // Under Wine the pointer goes in the way a user's mouse gives it; the
    // virtual desktop covers the X screen from its origin, so the coordinates
    // are the same. Wine gives no waitable handle for a Linux process, so the
    // command leaves a file when done. (No --sync: it waits for ever when the
    // pointer is already there; the X server handles the events in order
    // anyway.)
    if (GetFileAttributesW(L"Z:\\usr\\bin\\xdotool") == INVALID_FILE_ATTRIBUTES) return false;
    static int serial = 0;
    const std::wstring done = L"/tmp/marrowind-click-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(++serial);
    std::wstring doneOnZ = L"Z:" + done;
    for (wchar_t& c : doneOnZ)
        if (c == L'/') c = L'\\';
    std::wstring command = L"/bin/sh -c \"/usr/bin/xdotool " + arguments + L"; echo $? > " + done + L".tmp; mv " +
                           done + L".tmp " + done + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        throw std::runtime_error("cannot run xdotool");
    if (info.hThread) CloseHandle(info.hThread);
    if (info.hProcess) CloseHandle(info.hProcess);
    const bool finished = waitUntil([&] { return GetFileAttributesW(doneOnZ.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10s);
    std::string status;
    if (finished) {
        std::ifstream file(doneOnZ.c_str());
        std::getline(file, status);
    }
    DeleteFileW(doneOnZ.c_str());
    if (!finished || status != "0") throw std::runtime_error("xdotool could not act: " + status);
    return true;
}

std::wstring at(POINT screen) { return std::to_wstring(screen.x) + L" " + std::to_wstring(screen.y); }

// A mouse event of SendInput at a point of the screen.
INPUT mouseInput(POINT screen, DWORD flags)
{
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((screen.x * 65535LL + width / 2) / (width - 1));
    input.mi.dy = static_cast<LONG>((screen.y * 65535LL + height / 2) / (height - 1));
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    return input;
}

}  // namespace

void clickAt(POINT screen, int button)
{
    const bool right = button == 3;
    if (xdotool(L"mousemove " + at(screen) + L" click " + std::to_wstring(button))) {
        // Wine can miss the release when the press closed a popup of its own
        // under the pointer (a menu) and then holds the button down for good;
        // the X server's button is up, so Wine is told.
        if (!waitUntil([&] { return (GetAsyncKeyState(right ? VK_RBUTTON : VK_LBUTTON) & 0x8000) == 0; }, 500ms)) {
            INPUT up{};
            up.type = INPUT_MOUSE;
            up.mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
            SendInput(1, &up, sizeof up);
        }
        return;
    }
    INPUT inputs[3] = {mouseInput(screen, MOUSEEVENTF_MOVE),
                       mouseInput(screen, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN),
                       mouseInput(screen, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP)};
    SendInput(3, inputs, sizeof(INPUT));
}

void dragMouse(POINT from, POINT to)
{
    // On its way, as a hand moves it: the program under the pointer sees it
    // leave the press and arrive.
    const POINT halfway{(from.x + to.x) / 2, (from.y + to.y) / 2};
    if (xdotool(L"mousemove " + at(from) + L" mousedown 1 mousemove " + at(halfway) + L" mousemove " + at(to) +
                L" mouseup 1"))
        return;
    INPUT inputs[5] = {mouseInput(from, MOUSEEVENTF_MOVE), mouseInput(from, MOUSEEVENTF_LEFTDOWN),
                       mouseInput(halfway, MOUSEEVENTF_MOVE), mouseInput(to, MOUSEEVENTF_MOVE),
                       mouseInput(to, MOUSEEVENTF_LEFTUP)};
    SendInput(5, inputs, sizeof(INPUT));
}

namespace {

std::string describe(HWND window)
{
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    return "\"" + narrow(text(GetAncestor(window, GA_ROOT))) + "\" (" + narrow(name) + ")";
}

// True when a click at the point lands on the window (or a child of it).
bool reaches(POINT point, HWND window)
{
    const HWND hit = WindowFromPoint(point);
    if (hit == window || IsChild(window, hit)) return true;
    // A group box around the control lets clicks through to it.
    return GetParent(hit) == GetParent(window) && (GetWindowLongW(hit, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

}  // namespace

void click(HWND control)
{
    const RECT rect = screenRect(control);
    const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    bringToFront(control);
    // Another window may still cover it for a moment after the activation.
    if (!waitUntil([&] { return reaches(centre, control); }, 3s))
        throw std::runtime_error("the control to click is covered by " + describe(WindowFromPoint(centre)));
    clickAt(centre);
}

void typeUnicode(const std::wstring& text)
{
    std::vector<INPUT> inputs;
    for (wchar_t ch : text) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wScan = ch;
        down.ki.dwFlags = KEYEVENTF_UNICODE;
        INPUT up = down;
        up.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(down);
        inputs.push_back(up);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void pressKey(WORD virtualKey, bool alt, bool ctrl)
{
    std::vector<INPUT> inputs;
    auto key = [&](WORD vk, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    if (ctrl) key(VK_CONTROL, false);
    if (alt) key(VK_MENU, false);
    key(virtualKey, false);
    key(virtualKey, true);
    if (alt) key(VK_MENU, true);
    if (ctrl) key(VK_CONTROL, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void pressChord(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (WORD vk : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        inputs.push_back(input);
    }
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *it;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void chooseFromMenu(int item)
{
    for (int i = 0; i <= item; ++i) pressKey(VK_DOWN);
    pressKey(VK_RETURN);
}

void holdKey(WORD virtualKey, bool down)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof(INPUT));
}

HWND focusOf(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

void clickCaption(HWND window)
{
    // The first point of the title bar that no other window covers, left of
    // the title bar's buttons.
    const RECT rect = screenRect(window);
    POINT point{rect.left + 40, rect.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
    for (LONG x = point.x; x < rect.right - 4 * GetSystemMetrics(SM_CXSIZE); x += 16)
        if (WindowFromPoint({x, point.y}) == window) {
            point.x = x;
            break;
        }
    clickAt(point);
}

void setClipboardText(const std::wstring& text)
{
    if (!waitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 5s)) throw std::runtime_error("no clipboard");
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);  // the clipboard owns it now
    CloseClipboard();
}

namespace {

// Runs a shell command line of the Unix side and returns what it printed.
// Wine gives no waitable handle for a Linux process, so the command leaves a
// file when done.
std::string runUnix(const std::string& script)
{
    static int serial = 0;
    const std::string done =
        "/tmp/marrowind-unix-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    std::wstring doneOnZ = L"Z:" + widen(done);
    for (wchar_t& c : doneOnZ)
        if (c == L'/') c = L'\\';
    std::wstring command = L"/bin/sh -c \"(" + widen(script) + L") > " + widen(done) + L".tmp 2>&1; mv " +
                           widen(done) + L".tmp " + widen(done) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        throw std::runtime_error("cannot run " + script);
    if (info.hThread) CloseHandle(info.hThread);
    if (info.hProcess) CloseHandle(info.hProcess);
    if (!waitUntil([&] { return GetFileAttributesW(doneOnZ.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10s))
        throw std::runtime_error("no end of " + script);
    std::ifstream file(doneOnZ.c_str());
    std::string output((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    file.close();
    DeleteFileW(doneOnZ.c_str());
    return output;
}

// The X server's Caps Lock light, read through libX11 (XkbGetIndicatorState).
bool xCapsLockOn()
{
    const std::string lights = runUnix(
        "python3 -c 'import ctypes; x = ctypes.cdll.LoadLibrary(\\\"libX11.so.6\\\"); "
        "x.XOpenDisplay.restype = ctypes.c_void_p; d = ctypes.c_void_p(x.XOpenDisplay(None)); "
        "s = ctypes.c_uint(); x.XkbGetIndicatorState(d, 0x100, ctypes.byref(s)); print(s.value & 1)'");
    return lights.rfind("1", 0) == 0;
}

}  // namespace

bool capsLockOn()
{
    // This thread takes no keys, and under Wine its key state follows the
    // desktop's, which is what the next key into a window is translated with.
    return (GetKeyState(VK_CAPITAL) & 1) != 0;
}

void setCapsLock(bool on, HWND into)
{
    // Under Wine the lock is also the X server's: a Caps Lock sent into Wine
    // alone is undone at the next X event (a click). So the key goes in as the
    // user's own does, through the X server, as the clicks go; and into Wine
    // alone only where the two disagreed (a Caps Lock in a key text reached
    // Wine alone).
    bringToFront(into);
    if (xCapsLockOn() != on) runUnix("/usr/bin/xdotool key Caps_Lock");
    if (!waitUntil([&] { return capsLockOn() == on; }, 2s)) pressKey(VK_CAPITAL);
    if (!waitUntil([&] { return capsLockOn() == on; }, 5s)) throw std::runtime_error("Caps Lock did not switch");
    // Wine brings a thread's own key state up to date only when that thread
    // asks for the state of a key; until then it would translate keys with the
    // old lock. The recorder asks when told to.
    DWORD_PTR state = 0;
    SendMessageTimeoutW(into, WM_APP + 1, VK_CAPITAL, 0, SMTO_ABORTIFHUNG, 5000, &state);
}

// --- Another process's list view --------------------------------------------

namespace {

class RemoteBuffer {
public:
    RemoteBuffer(HWND window, SIZE_T size)
    {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (!process_) throw std::runtime_error("cannot open the list's process");
        memory_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (!memory_) throw std::runtime_error("cannot reach the list's memory");
    }
    ~RemoteBuffer()
    {
        VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
        CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    char* at(SIZE_T offset) const { return static_cast<char*>(memory_) + offset; }
    void write(SIZE_T offset, const void* data, SIZE_T size) const
    {
        WriteProcessMemory(process_, at(offset), data, size, nullptr);
    }
    void read(SIZE_T offset, void* data, SIZE_T size) const
    {
        ReadProcessMemory(process_, at(offset), data, size, nullptr);
    }

private:
    HANDLE process_ = nullptr;
    void* memory_ = nullptr;
};

std::string cellText(const RemoteBuffer& remote, HWND list, int row, int column)
{
    constexpr int kChars = 1024;
    LVITEMW item{};
    item.iSubItem = column;
    item.cchTextMax = kChars;
    item.pszText = reinterpret_cast<wchar_t*>(remote.at(sizeof(LVITEMW)));
    remote.write(0, &item, sizeof item);
    const LRESULT n = SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote.at(0)));
    std::wstring buffer(kChars, L'\0');
    remote.read(sizeof(LVITEMW), buffer.data(), kChars * sizeof(wchar_t));
    buffer.resize(static_cast<std::size_t>(n));
    return narrow(buffer);
}

}  // namespace

std::vector<ListRow> listRows(HWND list)
{
    const RemoteBuffer remote(list, 8192);
    std::vector<ListRow> rows;
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) rows.push_back({cellText(remote, list, row, 0), cellText(remote, list, row, 1)});
    return rows;
}

std::vector<std::vector<std::string>> listCells(HWND list, int columns)
{
    const RemoteBuffer remote(list, 8192);
    std::vector<std::vector<std::string>> rows;
    // Bounded: a list that does not answer is read as empty, and a test that
    // waits for its rows fails at its deadline instead of hanging.
    DWORD_PTR items = 0;
    if (!SendMessageTimeoutW(list, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 2000, &items)) return {};
    const int count = static_cast<int>(items);
    for (int row = 0; row < count; ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < columns; ++column) cells.push_back(cellText(remote, list, row, column));
        rows.push_back(std::move(cells));
    }
    return rows;
}

int listSelected(HWND list)
{
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void clickListRow(HWND list, int row, int button)
{
    const RemoteBuffer remote(list, sizeof(RECT));
    RECT rect{};
    rect.left = LVIR_LABEL;
    remote.write(0, &rect, sizeof rect);
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote.at(0)));
    remote.read(0, &rect, sizeof rect);
    POINT centre{rect.left + 20, (rect.top + rect.bottom) / 2};
    ClientToScreen(list, &centre);
    bringToFront(list);
    if (!waitUntil([&] { return reaches(centre, list); }, 3s))
        throw std::runtime_error("the list row to click is covered by another window");
    clickAt(centre, button);
}

std::optional<std::string> shownBalloon(DWORD processId)
{
    struct Search {
        DWORD process;
        HWND found = nullptr;
    } search{processId};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (process != s.process || _wcsicmp(name, TOOLTIPS_CLASSW) != 0 || !IsWindowVisible(window) ||
                !(GetWindowLongW(window, GWL_STYLE) & TTS_BALLOON))
                return TRUE;
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (!search.found) return std::nullopt;
    // A tooltip answers its window text with the tip it shows.
    wchar_t text[512] = {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(search.found, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &ignored);
    return narrow(text);
}

// --- Registry ---------------------------------------------------------------

namespace {

// Runs a command and returns what it wrote to standard output.
std::string capture(const std::wstring& commandLine, DWORD* exitCode)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION info{};
    std::wstring line = commandLine;
    std::string output;
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info)) {
        CloseHandle(writeEnd);
        char buffer[4096];
        DWORD n = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &n, nullptr) && n) output.append(buffer, n);
        WaitForSingleObject(info.hProcess, 10000);
        GetExitCodeProcess(info.hProcess, exitCode);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    } else {
        CloseHandle(writeEnd);
        *exitCode = 1;
    }
    CloseHandle(readEnd);
    return output;
}

}  // namespace

std::optional<std::string> regQuery(const std::string& key, const std::string& value)
{
    DWORD exitCode = 0;
    const std::string output = capture(L"reg.exe query \"" + widen(key) + L"\" /v \"" + widen(value) + L"\"", &exitCode);
    if (exitCode != 0) return std::nullopt;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t type = line.find("REG_SZ");
        if (type == std::string::npos) continue;
        std::string data = line.substr(type + 6);
        const std::size_t start = data.find_first_not_of(' ');
        data = start == std::string::npos ? std::string() : data.substr(start);
        while (!data.empty() && (data.back() == '\r' || data.back() == '\n')) data.pop_back();
        return data;
    }
    return std::nullopt;
}

void regDeleteKey(const std::string& key)
{
    DWORD exitCode = 0;
    capture(L"reg.exe delete \"" + widen(key) + L"\" /f", &exitCode);
}

void regAdd(const std::string& key, const std::string& value, const std::string& data)
{
    DWORD exitCode = 0;
    capture(L"reg.exe add \"" + widen(key) + L"\" /v \"" + widen(value) + L"\" /d \"" + widen(data) + L"\" /f", &exitCode);
}

void regSetStrings(const std::string& key, std::initializer_list<std::pair<const char*, const char*>> values)
{
    std::string path = key.substr(key.find('\\') + 1);  // under HKCU
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, widen(path).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr))
        throw std::runtime_error("cannot create " + key);
    for (const auto& [name, data] : values) {
        const std::wstring text = widen(data);
        RegSetValueExW(handle, widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(handle);
}

void presetSettings(std::initializer_list<std::pair<const char*, const char*>> values)
{
    regDeleteKey(kSettingsKey);
    for (const auto& [name, data] : values) regAdd(kSettingsKey, name, data);
}

// --- Target -----------------------------------------------------------------

Target::Target(const std::wstring& title, const std::wstring& extraArguments, Kind kind)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    static int serial = 0;
    logPath_ = std::wstring(temp) + L"marrowind-target-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
               std::to_wstring(++serial) + L".log";
    const std::wstring arguments = L"\"" + title + L"\" \"" + logPath_ + L"\" " + extraArguments;
    if (kind == Kind::Window) {
        process_ = Process(binFolder() + L"\\marrowind_target.exe", arguments);
        window_ = waitForWindow(process_.id(), title);
    } else {
        // A console of its own, with its own window, not this program's.
        process_ = Process(binFolder() + L"\\marrowind_console_target.exe", arguments, CREATE_NEW_CONSOLE);
        waitUntil([&] {
            std::ifstream log(logPath_.c_str());
            std::string ms, ready;
            long long handle = 0;
            if (log >> ms >> ready >> handle) window_ = reinterpret_cast<HWND>(static_cast<LONG_PTR>(handle));
            return window_ && IsWindowVisible(window_) && text(window_) == title;
        }, 20s);
    }
    if (!window_) throw std::runtime_error("the target window did not appear");
    // A new window takes the foreground a moment after it shows; let that
    // settle, or it can steal the foreground back from a window the test
    // raises next.
    waitUntil([&] { return GetForegroundWindow() == window_; }, 3s);
}

Target::~Target()
{
    close();
    DeleteFileW(logPath_.c_str());
}

void Target::close()
{
    if (window_ && IsWindow(window_)) PostMessageW(window_, WM_CLOSE, 0, 0);
    process_.waitForExit(5s);
    process_.kill();
}

SHORT Target::keyState(int virtualKey) const
{
    DWORD_PTR state = 0;
    SendMessageTimeoutW(window_, WM_APP + 1, static_cast<WPARAM>(virtualKey), 0, SMTO_ABORTIFHUNG, 5000, &state);
    return static_cast<SHORT>(state);
}

const std::vector<KeyMessage>& Target::messages() const
{
    const HANDLE file = CreateFileW(logPath_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return read_;
    LARGE_INTEGER offset{};
    offset.QuadPart = readOffset_;
    SetFilePointerEx(file, offset, nullptr, FILE_BEGIN);
    std::string content = partialLine_;
    char buffer[65536];
    DWORD n = 0;
    while (ReadFile(file, buffer, sizeof buffer, &n, nullptr) && n) {
        content.append(buffer, n);
        readOffset_ += n;
    }
    CloseHandle(file);
    // A line still being written waits for the next look.
    const std::size_t complete = content.rfind('\n') + 1;
    partialLine_ = content.substr(complete);
    content.resize(complete);
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = content.find('\n', start);
        const std::string line = content.substr(start, end - start);
        start = end + 1;
        std::istringstream fields(line);
        KeyMessage m;
        fields >> m.ms >> m.kind >> m.wParam >> m.lParam;
        if (m.kind == "READY") continue;
        if (m.kind == "CHAR" || m.kind == "SYSCHAR") {
            const std::size_t space = line.find(' ', line.find(' ', line.find(' ', line.find(' ') + 1) + 1) + 1);
            m.character = space == std::string::npos ? std::string() : line.substr(space + 1);
            if (m.kind == "CHAR") typed_ += m.character;
        }
        read_.push_back(std::move(m));
    }
    return read_;
}

unsigned long long Target::startedTick() const
{
    std::ifstream log(logPath_.c_str());
    std::string ms, ready;
    long long window = 0;
    unsigned long long started = 0;
    log >> ms >> ready >> window >> started;
    return started;
}

std::string Target::typed() const
{
    messages();
    return typed_;
}

// --- Marrowind --------------------------------------------------------------

std::function<void(const std::string& fault)> programFault = [](const std::string& fault) {
    std::fprintf(stderr, "%s\n", fault.c_str());
};

Marrowind::Marrowind(bool freshSettings) : Marrowind(Options{freshSettings, true, {}}) {}

Marrowind::Marrowind(const Options& options)
{
    if (options.freshSettings) {
        regDeleteKey(kSettingsKey);
        regDeleteKey(kSequencesKey);
    }
    const std::wstring exe = options.exe.empty() ? binFolder() + L"\\Marrowind.exe" : options.exe;
    if (options.traced) {
        static int serial = 0;
        traceFile_ = "/tmp/marrowind-trace-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial) + ".log";
        process_ = Process::traced(exe, traceFile_, options.arguments);
    } else {
        std::wstring line;
        for (const std::wstring& argument : options.arguments) line += L"\"" + argument + L"\" ";
        process_ = Process(exe, line);
    }
    if (options.waitForMainWindow) waitForMainWindow();
}

HWND Marrowind::waitForMainWindow(Duration deadline)
{
    window_ = waitForWindow(process_.id(), kProductTitle, deadline);
    if (!window_) throw std::runtime_error("the main window did not appear");
    waitUntil([&] { return GetForegroundWindow() == window_; }, 3s);
    return window_;
}

HWND Marrowind::trayWindow() const
{
    struct Search {
        DWORD pid;
        HWND found;
    } search{process_.id(), nullptr};
    EnumWindows(
        [](HWND window, LPARAM lParam) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(lParam);
            DWORD pid = 0;
            GetWindowThreadProcessId(window, &pid);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (pid != s.pid || std::wstring(name) != L"MarrowindTray") return TRUE;
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool Marrowind::trayIconPresent() const
{
    const HWND tray = trayWindow();
    if (!tray) return false;
    // Modifying nothing succeeds exactly when the shell holds the icon.
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = tray;
    data.uID = 0;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

HWND Marrowind::openTrayMenu()
{
    // The button, then (from a shell that took version 3) WM_CONTEXTMENU. A
    // program that could not set the version opens it on the button alone;
    // either way one menu opens.
    for (UINT code : {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_CONTEXTMENU})
        PostMessageW(trayWindow(), mw::win32::kTrayCallbackMessage, 0, code);
    HWND menu = nullptr;
    waitUntil([&] { return (menu = waitForWindowOfClass(process_.id(), L"#32768", 100ms)) != nullptr; }, 5s);
    return menu;
}

Marrowind::~Marrowind()
{
    if (keepRunning_) {
        process_.detach();  // leave it running
        return;
    }
    close();
}

void Marrowind::close()
{
    if (ended_) return;
    if (window_ && IsWindow(window_)) PostMessageW(window_, WM_CLOSE, 0, 0);
    waitForExit(10s);
}

bool Marrowind::waitForExit(Duration deadline)
{
    if (ended_) return true;
    const bool ended = process_.waitForExit(deadline);
    if (!ended) {
        programFault("Marrowind did not end within " + std::to_string(deadline.count()) + " ms; killed");
        process_.kill();
    }
    checkEnd(ended);
    return ended;
}

namespace {

// Lines of Wine's exception trace that show a fault. C++ exceptions the
// program throws and catches itself (the GCC codes) are no fault, nor is the
// RPC error Wine raises internally when a system service does not answer.
bool isFaultLine(const std::string& line)
{
    if (line.find(":seh:") == std::string::npos) return false;
    for (const char* expected : {"code=20474343", "code=21474343", "code=6ba)"})
        if (line.find(expected) != std::string::npos) return false;
    return true;
}

// The lines of a trace that show a fault, or nothing.
std::string faultsIn(const std::string& trace)
{
    std::istringstream lines(trace);
    std::string line, faults;
    while (std::getline(lines, line))
        if (isFaultLine(line)) faults += line + "\n";
    return faults;
}

}  // namespace

CommandRun runCommand(const std::vector<std::wstring>& arguments, Duration deadline)
{
    static int serial = 0;
    const std::string base =
        "/tmp/marrowind-command-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    const std::wstring trace = widen(base + ".log"), status = widen(base + ".status");
    // The shell waits for the program and keeps its exit status: a start that
    // only hands on a command can be over before any process list shows it.
    startUnix(L"/bin/sh -c \"WINEDEBUG=warn+seh wine '" + binFolder() + L"\\Marrowind.exe'" +
              shellArguments(arguments) + L" 2>'" + trace + L"'; echo $? >'" + status + L".part'; mv '" + status +
              L".part' '" + status + L"'\"");
    std::wstring statusOnZ = L"Z:" + status;
    for (wchar_t& c : statusOnZ)
        if (c == L'/') c = L'\\';
    CommandRun run;
    if (!waitUntil([&] { return GetFileAttributesW(statusOnZ.c_str()) != INVALID_FILE_ATTRIBUTES; }, deadline)) {
        programFault("Marrowind with a command did not end within " + std::to_string(deadline.count()) + " ms");
        return run;
    }
    run.exitCode = std::stoi(takeUnixFile(base + ".status"));
    run.errorOutput = takeUnixFile(base + ".log");
    if (const std::string faults = faultsIn(run.errorOutput); !faults.empty())
        programFault("Marrowind with a command raised exceptions:\n" + faults);
    return run;
}

void Marrowind::checkEnd(bool endedByItself)
{
    ended_ = true;
    window_ = nullptr;
    const DWORD code = endedByItself ? process_.exitCode() : 0;
    if (code != 0) programFault("Marrowind ended with exit code " + std::to_string(code));
    if (traceFile_.empty()) return;
    if (const std::string faults = faultsIn(takeUnixFile(traceFile_)); !faults.empty())
        programFault("Marrowind raised exceptions:\n" + faults);
}

}  // namespace e2e

namespace e2e {

void Marrowind::selectTarget(const std::string& title)
{
    const HWND list = control(mw::form1_id::kListView1);
    const auto rows = listRows(list);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].text != title) continue;
        clickListRow(list, static_cast<int>(i));
        if (!waitUntil([&] { return listSelected(list) == static_cast<int>(i); }, 5s))
            throw std::runtime_error("the row \"" + title + "\" did not become selected");
        return;
    }
    throw std::runtime_error("no row \"" + title + "\" in the window list");
}

void Marrowind::chooseInterval(int row)
{
    const HWND list = control(mw::form1_id::kListView2);
    clickListRow(list, row - 1);
    if (!waitUntil([&] { return listSelected(list) == row - 1; }, 5s) ||
        !waitUntil([&] { return regQuery(kSettingsKey, "OftenIndex") == std::to_string(row); }, 5s))
        throw std::runtime_error("the interval option " + std::to_string(row) + " was not chosen");
}

void Marrowind::writeKeys(const std::wstring& keys)
{
    const HWND box = control(mw::form1_id::kText2);
    click(box);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!waitUntil([&] { return GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info) && info.hwndFocus == box; }, 5s))
        throw std::runtime_error("the key text box did not take the focus; the foreground is " +
                                 narrow(text(GetForegroundWindow())));
    SendMessageW(box, EM_SETSEL, 0, -1);  // what is typed replaces the old text
    typeUnicode(keys);
    if (!waitUntil([&] { return text(box) == keys; }, 5s))
        throw std::runtime_error("the key text box did not take the keys: it holds \"" + narrow(text(box)) + "\"");
}

void Marrowind::setKeys(const std::wstring& keys)
{
    const HWND box = control(mw::form1_id::kText2);
    SendMessageTimeoutW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(keys.c_str()), SMTO_ABORTIFHUNG, 60000, nullptr);
    if (!waitUntil([&] { return text(box) == keys; }, 5s))
        throw std::runtime_error("the key text box did not take the text");
}

void Marrowind::press(int buttonId) { click(control(buttonId)); }

std::wstring Marrowind::status() const { return text(control(mw::form1_id::kFrame2)); }

HWND Marrowind::errorDialog() const
{
    const HWND box = findWindow(process_.id(), L"Application Error");
    return box;
}

std::wstring messageBoxText(HWND box)
{
    // The message of a message box is its static control 0xFFFF.
    return text(GetDlgItem(box, 0xFFFF));
}

double cpuMs(DWORD processId)
{
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    FILETIME created, exited, kernel, user;
    double ms = 0;
    if (process && GetProcessTimes(process, &created, &exited, &kernel, &user)) {
        auto value = [](const FILETIME& t) {
            return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 10000.0;
        };
        ms = value(kernel) + value(user);
    }
    if (process) CloseHandle(process);
    return ms;
}

}  // namespace e2e
