#include "platform/win32/services.h"

#include <vector>

#include "platform/failure.h"
#include "platform/win32/failure_barrier.h"
#include "platform/win32/resource_ids.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/utf.h"

namespace mw::win32 {
namespace {

HWND toHwnd(WindowHandle window) { return reinterpret_cast<HWND>(static_cast<LONG_PTR>(window)); }
WindowHandle fromHwnd(HWND hwnd) { return static_cast<WindowHandle>(reinterpret_cast<LONG_PTR>(hwnd)); }

[[noreturn]] void failWith(LSTATUS status) { fail(describeError(static_cast<unsigned long>(status))); }

HKEY root(Hive hive) { return hive == Hive::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

}  // namespace

// --- Window system ----------------------------------------------------------

WindowHandle Win32WindowSystem::firstTopLevel() { return fromHwnd(GetWindow(GetDesktopWindow(), GW_CHILD)); }
WindowHandle Win32WindowSystem::nextBelow(WindowHandle window) { return fromHwnd(GetWindow(toHwnd(window), GW_HWNDNEXT)); }
WindowHandle Win32WindowSystem::owner(WindowHandle window) { return fromHwnd(GetWindow(toHwnd(window), GW_OWNER)); }

std::string Win32WindowSystem::title(WindowHandle window)
{
    // For another process's window GetWindowText reads the stored title without
    // sending a message, so a hung window cannot block the walk.
    const HWND hwnd = toHwnd(window);
    const int length = GetWindowTextLengthW(hwnd);
    if (length <= 0) return {};
    std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, buffer.data(), length + 1);
    return narrow(buffer.data(), copied);
}

bool Win32WindowSystem::isVisible(WindowHandle window) { return IsWindowVisible(toHwnd(window)) != FALSE; }
bool Win32WindowSystem::exists(WindowHandle window) { return window != kNoWindow && IsWindow(toHwnd(window)) != FALSE; }

void Win32WindowSystem::setTopmostBand(WindowHandle window, bool topmost)
{
    // Moving another thread's window waits for that thread; for a hung one
    // (typing stops when a target hangs) the move is posted instead.
    const HWND hwnd = toHwnd(window);
    SetWindowPos(hwnd, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | (IsHungAppWindow(hwnd) ? SWP_ASYNCWINDOWPOS : 0));
}

void Win32WindowSystem::showDefault(WindowHandle window) { ShowWindow(toHwnd(window), SW_SHOWDEFAULT); }

namespace {

// The window is the foreground window and its own thread has taken the
// activation, so the next input goes to it.
bool activeIn(HWND window, DWORD thread)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetForegroundWindow() == window && GetGUIThreadInfo(thread, &info) && info.hwndActive == window;
}

}  // namespace

bool Win32WindowSystem::bringToForeground(WindowHandle window)
{
    const HWND hwnd = toHwnd(window);
    // A hung window would swallow the keys, and waiting for it would hang us.
    if (!IsWindow(hwnd) || IsHungAppWindow(hwnd)) return false;
    const DWORD targetThread = GetWindowThreadProcessId(hwnd, nullptr);
    const DWORD self = GetCurrentThreadId();
    constexpr int kAttempts = 5;
    constexpr DWORD kWaitMs = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (activeIn(hwnd, targetThread)) return true;
        // The foreground lock lets only the foreground thread's input queue
        // hand the foreground on: if asking alone did not do, join it for the
        // moment of the switch. Not at once, and never the target's own
        // thread: under Wine joining resets the key state the joined threads
        // share, so that thread would take Caps Lock as off.
        const HWND foreground = GetForegroundWindow();
        const DWORD foregroundThread = foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
        const bool attached = attempt > 0 && foregroundThread && foregroundThread != self &&
                              foregroundThread != targetThread && AttachThreadInput(self, foregroundThread, TRUE);
        if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
        BringWindowToTop(hwnd);
        SetForegroundWindow(hwnd);
        if (attached) AttachThreadInput(self, foregroundThread, FALSE);
        const ULONGLONG until = GetTickCount64() + kWaitMs;
        while (!activeIn(hwnd, targetThread) && GetTickCount64() < until) Sleep(5);
    }
    return activeIn(hwnd, targetThread);
}

// --- Settings store ---------------------------------------------------------

Win32SettingsStore::Win32SettingsStore(const std::string& application, const std::string& section)
    : keyPath_(L"Software\\VB and VBA Program Settings\\" + widen(application) + L"\\" + widen(section))
{
}

std::string Win32SettingsStore::read(const std::string& key, const std::string& fallback)
{
    HKEY raw = nullptr;
    LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, keyPath_.c_str(), 0, KEY_QUERY_VALUE, &raw);
    if (status == ERROR_FILE_NOT_FOUND) return fallback;
    if (status != ERROR_SUCCESS) failWith(status);
    const UniqueKey section(raw);
    const std::wstring name = widen(key);
    for (;;) {
        DWORD bytes = 0;
        status = RegGetValueW(section.get(), nullptr, name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &bytes);
        if (status == ERROR_FILE_NOT_FOUND) return fallback;
        if (status != ERROR_SUCCESS) failWith(status);
        std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
        status = RegGetValueW(section.get(), nullptr, name.c_str(), RRF_RT_REG_SZ, nullptr, value.data(), &bytes);
        if (status == ERROR_MORE_DATA) continue;  // grew in between
        if (status != ERROR_SUCCESS) failWith(status);
        value.resize(wcsnlen(value.c_str(), value.size()));
        return narrow(value);
    }
}

void Win32SettingsStore::write(const std::string& key, const std::string& value)
{
    HKEY raw = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, keyPath_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     KEY_SET_VALUE, nullptr, &raw, nullptr);
    if (status != ERROR_SUCCESS) failWith(status);
    const UniqueKey section(raw);
    const std::wstring data = widen(value);
    status = RegSetValueExW(section.get(), widen(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                            static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS) failWith(status);
}

// --- Dialogs ----------------------------------------------------------------

HWND Win32Dialogs::owner() const
{
    // The window the user works in: the Help window while it is open over
    // the main window, so that a box is never behind it.
    if (!owner_ || !IsWindow(owner_)) return nullptr;
    const HWND popup = GetLastActivePopup(owner_);
    return popup && IsWindowVisible(popup) && IsWindowEnabled(popup) ? popup : owner_;
}

void Win32Dialogs::showWarning(const std::string& text, const std::string& title)
{
    // Topmost: a failing typing turn reports while its target sits in the
    // always-on-top band, and the report must not hide behind it.
    MessageBoxW(owner(), widen(text).c_str(), widen(title).c_str(),
                MB_OK | MB_ICONEXCLAMATION | MB_TOPMOST | MB_SETFOREGROUND);
}

namespace {

struct InputBoxState {
    std::wstring prompt;
    std::wstring title;
    std::wstring initial;
    std::wstring answer;
};

INT_PTR inputBoxMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        state = reinterpret_cast<InputBoxState*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        SetWindowTextW(dialog, state->title.c_str());
        SetDlgItemTextW(dialog, IDC_INPUT_PROMPT, state->prompt.c_str());
        SetDlgItemTextW(dialog, IDC_INPUT_ANSWER, state->initial.c_str());
        // Centre on the screen, as the runtime's input box appears.
        RECT rect{};
        GetWindowRect(dialog, &rect);
        const int width = rect.right - rect.left, height = rect.bottom - rect.top;
        SetWindowPos(dialog, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                     (GetSystemMetrics(SM_CYSCREEN) - height) / 3, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        return TRUE;  // focus goes to the answer box, the first tab stop
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            const HWND edit = GetDlgItem(dialog, IDC_INPUT_ANSWER);
            const int length = GetWindowTextLengthW(edit);
            std::wstring answer(static_cast<std::size_t>(length) + 1, L'\0');
            GetWindowTextW(edit, answer.data(), length + 1);
            answer.resize(static_cast<std::size_t>(length));
            state->answer = answer;
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    default:
        break;
    }
    return FALSE;
}

INT_PTR CALLBACK inputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto handled = guarded([] { return std::string_view("InputBox.DialogProc"); },
                                 [&] { return inputBoxMessage(dialog, message, wParam, lParam); });
    return handled ? *handled : FALSE;
}

}  // namespace

std::optional<std::string> Win32Dialogs::showInput(const std::string& prompt, const std::string& title,
                                                   const std::string& initial)
{
    InputBoxState state{widen(prompt), widen(title), widen(initial), {}};
    const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_INPUTBOX), owner(),
                                           &inputBoxProc, reinterpret_cast<LPARAM>(&state));
    if (result == -1) fail(describeError(GetLastError()));
    if (result != IDOK) return std::nullopt;
    return narrow(state.answer);
}

// --- Files ------------------------------------------------------------------

namespace {

std::wstring modulePath()
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n < buffer.size()) {
            buffer.resize(n);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

std::string Win32Files::programFolder()
{
    std::wstring path = modulePath();
    const std::size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return {};
    // A drive root keeps its backslash ("C:\"); any other folder has none.
    if (slash == 2 && path[1] == L':') return narrow(path.substr(0, 3));
    return narrow(path.substr(0, slash));
}

std::string Win32Files::programFileName()
{
    std::wstring path = modulePath();
    const std::size_t slash = path.find_last_of(L"\\/");
    return narrow(slash == std::wstring::npos ? path : path.substr(slash + 1));
}

bool Win32Files::exists(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    return GetFileAttributesExW(widen(path).c_str(), GetFileExInfoStandard, &data) != FALSE;
}

bool Win32Files::isOrdinaryFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(widen(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

std::string Win32Files::readAll(const std::string& path)
{
    const UniqueFile file(CreateFileW(widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) fail(describeError(GetLastError()));
    std::string content;
    char buffer[65536];
    DWORD n = 0;
    for (;;) {
        if (!ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr)) fail(describeError(GetLastError()));
        if (n == 0) return content;
        content.append(buffer, n);
    }
}

// --- Clock ------------------------------------------------------------------

std::int64_t Win32Clock::monotonicMs() { return static_cast<std::int64_t>(GetTickCount64()); }

std::string Win32Clock::nowText()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    wchar_t date[128] = {};
    wchar_t time[128] = {};
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, 128, nullptr);
    GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &now, nullptr, time, 128);
    return narrow(std::wstring(date) + L" " + time);
}

namespace {

std::string localeText(LCTYPE item, const char* fallback)
{
    wchar_t text[16] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, text, 16) <= 1) return fallback;
    return narrow(text);
}

}  // namespace

LocaleFormat Win32Locale::format()
{
    return LocaleFormat{localeText(LOCALE_SDECIMAL, "."), localeText(LOCALE_STHOUSAND, ","),
                        localeText(LOCALE_STIME, ":")};
}

// --- Event loop -------------------------------------------------------------

void dispatch(MSG& message)
{
    const HWND active = GetActiveWindow();
    if (active && IsDialogMessageW(active, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Win32EventLoop::processPending()
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit_ = true;
            // Leave the quit for the main loop to see.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        dispatch(message);
    }
}

void Win32EventLoop::waitForEvents(int timeoutMs)
{
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(timeoutMs > 0 ? timeoutMs : 0), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
    processPending();
}

// --- Registry ---------------------------------------------------------------

bool Win32Registry::setString(Hive hive, const std::string& keyPath, const std::string& name,
                              const std::string& data)
{
    HKEY raw = nullptr;
    if (RegOpenKeyExW(root(hive), widen(keyPath).c_str(), 0, KEY_SET_VALUE, &raw) != ERROR_SUCCESS) return false;
    const UniqueKey key(raw);
    const std::wstring wide = widen(data);
    return RegSetValueExW(key.get(), widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                          static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool Win32Registry::setBinary(Hive hive, const std::string& keyPath, const std::string& name,
                              const std::string& data)
{
    HKEY raw = nullptr;
    if (RegOpenKeyExW(root(hive), widen(keyPath).c_str(), 0, KEY_SET_VALUE, &raw) != ERROR_SUCCESS) return false;
    const UniqueKey key(raw);
    return RegSetValueExW(key.get(), widen(name).c_str(), 0, REG_BINARY, reinterpret_cast<const BYTE*>(data.data()),
                          static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool Win32Registry::deleteValue(Hive hive, const std::string& keyPath, const std::string& name)
{
    HKEY raw = nullptr;
    if (RegOpenKeyExW(root(hive), widen(keyPath).c_str(), 0, KEY_SET_VALUE, &raw) != ERROR_SUCCESS) return false;
    const UniqueKey key(raw);
    const LSTATUS status = RegDeleteValueW(key.get(), widen(name).c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

std::optional<std::string> Win32Registry::getString(Hive hive, const std::string& keyPath, const std::string& name)
{
    DWORD bytes = 0;
    const std::wstring path = widen(keyPath), value = widen(name);
    if (RegGetValueW(root(hive), path.c_str(), value.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring data(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegGetValueW(root(hive), path.c_str(), value.c_str(), RRF_RT_REG_SZ, nullptr, data.data(), &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    data.resize(wcsnlen(data.c_str(), data.size()));
    return narrow(data);
}

std::optional<std::string> Win32Registry::getBinary(Hive hive, const std::string& keyPath, const std::string& name)
{
    DWORD bytes = 0;
    const std::wstring path = widen(keyPath), value = widen(name);
    if (RegGetValueW(root(hive), path.c_str(), value.c_str(), RRF_RT_REG_BINARY, nullptr, nullptr, &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    std::string data(bytes, '\0');
    if (RegGetValueW(root(hive), path.c_str(), value.c_str(), RRF_RT_REG_BINARY, nullptr, data.data(), &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    data.resize(bytes);
    return data;
}

}  // namespace mw::win32
