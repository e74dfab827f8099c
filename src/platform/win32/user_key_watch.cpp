#include "platform/win32/user_key_watch.h"

#include <atomic>
#include <cstdint>

namespace mw::win32 {
namespace {

// Keys pressed by others, counted by every watch the process has.
std::atomic<unsigned> othersPresses{0};

constexpr USHORT kGenericDesktopPage = 0x01;
constexpr USHORT kKeyboardUsage = 0x06;

// How often the watch reads the raw input that came meanwhile: a key pressed
// by someone else is counted no later than this after it went down.
constexpr DWORD kReadEveryMs = 10;

// Reads the raw input waiting for this thread, a buffer at a time, and
// counts the keys that went down and were not the program's own.
void countOthersKeys()
{
    alignas(8) static BYTE buffer[16 * 1024];
    for (;;) {
        UINT size = sizeof buffer;
        const UINT count = GetRawInputBuffer(reinterpret_cast<RAWINPUT*>(buffer), &size, sizeof(RAWINPUTHEADER));
        if (count == 0 || count == static_cast<UINT>(-1)) return;
        const BYTE* at = buffer;
        for (UINT i = 0; i < count; ++i) {
            const auto* input = reinterpret_cast<const RAWINPUT*>(at);
            if (input->header.dwType == RIM_TYPEKEYBOARD) {
                const RAWKEYBOARD& key = input->data.keyboard;
                if ((key.Message == WM_KEYDOWN || key.Message == WM_SYSKEYDOWN) && key.ExtraInformation != kOwnKeysTag)
                    ++othersPresses;
            }
            // The blocks are aligned as pointers are (NEXTRAWINPUTBLOCK).
            const std::uintptr_t next = reinterpret_cast<std::uintptr_t>(at) + input->header.dwSize;
            at = reinterpret_cast<const BYTE*>((next + sizeof(void*) - 1) & ~(std::uintptr_t{sizeof(void*)} - 1));
        }
    }
}

}  // namespace

DWORD WINAPI Win32UserKeyWatch::run(void* ready)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"MarrowindUserKeys";
    RegisterClassW(&windowClass);  // fails harmlessly for every watch after the first
    const HWND window =
        CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    // The keyboard's raw input comes to this thread, also while another
    // program is in front.
    RAWINPUTDEVICE keyboard{kGenericDesktopPage, kKeyboardUsage, RIDEV_INPUTSINK, window};
    const bool registered = window && RegisterRawInputDevices(&keyboard, 1, sizeof keyboard);
    MSG message{};
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the queue the quit is posted to
    SetEvent(static_cast<HANDLE>(ready));
    // Woken by posted messages only (the quit), never by each key's input,
    // which is read in bulk.
    for (bool quit = false; !quit;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kReadEveryMs, QS_POSTMESSAGE);
        countOthersKeys();
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE)) quit |= message.message == WM_QUIT;
    }
    if (registered) {
        keyboard = RAWINPUTDEVICE{kGenericDesktopPage, kKeyboardUsage, RIDEV_REMOVE, nullptr};
        RegisterRawInputDevices(&keyboard, 1, sizeof keyboard);
    }
    if (window) DestroyWindow(window);
    return 0;
}

Win32UserKeyWatch::Win32UserKeyWatch(DWORD readyBoundMs) : ready_(CreateEventW(nullptr, TRUE, FALSE, nullptr))
{
    if (!ready_) return;
    thread_.reset(CreateThread(nullptr, 0, &run, ready_.get(), 0, &threadId_));
    // A thread slow to start leaves the first keys unwatched; the held keys
    // are still looked at before every batch.
    if (thread_) WaitForSingleObject(ready_.get(), readyBoundMs);
    pressesBefore_ = othersPresses.load();
}

Win32UserKeyWatch::~Win32UserKeyWatch()
{
    if (!thread_) return;
    // The quit can only be posted once the thread has its queue: until it is
    // ready, a post fails and the thread would read the raw input for good. It
    // gets ready within moments, as it does nothing else before.
    const HANDLE startedOrEnded[] = {ready_.get(), thread_.get()};
    WaitForMultipleObjects(2, startedOrEnded, FALSE, INFINITE);
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_.get(), INFINITE);
}

bool Win32UserKeyWatch::pressed() { return othersPresses.load() != pressesBefore_; }

}  // namespace mw::win32
