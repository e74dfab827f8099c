#include "platform/win32/key_injector.h"

#include <initializer_list>
#include <vector>

#include "platform/win32/hwnd.h"
#include "platform/win32/key_poster.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/taken_watch.h"
#include "platform/win32/user_key_watch.h"
#include "platform/win32/user_input.h"
#include "platform/win32/utf.h"
// After the Windows headers, which it relies on.
#include <imm.h>

namespace mw::win32 {
namespace {

INPUT toInput(const KeyInput& key)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key.virtualKey;
    input.ki.wScan = key.scanCode;
    input.ki.dwFlags = (key.up ? KEYEVENTF_KEYUP : 0) | (key.unicode ? KEYEVENTF_UNICODE : 0) |
                       (key.extended ? KEYEVENTF_EXTENDEDKEY : 0);
    input.ki.dwExtraInfo = kOwnKeysTag;
    return input;
}

class Win32KeyboardLayout final : public KeyboardLayout {
public:
    explicit Win32KeyboardLayout(HKL layout) : layout_(layout) {}

    std::optional<Stroke> strokeFor(char32_t character) const override
    {
        if (character >= 0x10000) return std::nullopt;
        const SHORT scan = VkKeyScanExW(static_cast<wchar_t>(character), layout_);
        if (scan == -1 || LOBYTE(scan) == 0xFF) return std::nullopt;
        return Stroke{LOBYTE(scan), HIBYTE(scan)};
    }

    Typed typedBy(const Stroke& stroke) const override
    {
        BYTE state[256] = {};
        const auto press = [&](std::initializer_list<int> keys) {
            for (int key : keys) state[key] = 0x80;
        };
        if (stroke.shiftState & 1) press({VK_SHIFT, VK_LSHIFT});
        if (stroke.shiftState & 2) press({VK_CONTROL, VK_LCONTROL});
        if (stroke.shiftState & 4) press({VK_MENU, VK_LMENU});
        const UINT scan = MapVirtualKeyExW(stroke.virtualKey, MAPVK_VK_TO_VSC, layout_);
        wchar_t text[16] = {};
        // Flag 4: the keyboard state, a pending dead key included, stays as
        // it is (Windows 10 1607 and later).
        constexpr UINT kKeepKeyboardState = 0x4;
        const int length = ToUnicodeEx(stroke.virtualKey, scan, state, text, 16, kKeepKeyboardState, layout_);
        if (length < 0) {
            // Older systems keep the dead key pending in this thread: a space
            // takes it out again.
            const BYTE none[256] = {};
            wchar_t ignored[16];
            for (int i = 0; i < 4 && ToUnicodeEx(VK_SPACE, MapVirtualKeyExW(VK_SPACE, MAPVK_VK_TO_VSC, layout_), none,
                                                  ignored, 16, kKeepKeyboardState, layout_) < 0;
                 ++i) {
            }
        }
        return Typed{length < 0, length > 0 ? std::u16string(reinterpret_cast<const char16_t*>(text),
                                                             static_cast<std::size_t>(length))
                                            : std::u16string()};
    }

    std::uint16_t language() const override
    {
        return PRIMARYLANGID(LOWORD(reinterpret_cast<UINT_PTR>(layout_)));
    }

    std::uint16_t scanCode(std::uint16_t virtualKey) const override
    {
        return static_cast<std::uint16_t>(MapVirtualKeyExW(virtualKey, MAPVK_VK_TO_VSC_EX, layout_));
    }

private:
    HKL layout_;
};

// The thread that owns the window and takes its input. The system names a
// console window's program as its creator, though the console host's thread
// owns the window and translates its keys on its own layout; the window's
// default input-method window belongs to the owning thread and is named so.
DWORD inputThreadOf(HWND window)
{
    if (const HWND ime = ImmGetDefaultIMEWnd(window))
        if (const DWORD thread = GetWindowThreadProcessId(ime, nullptr)) return thread;
    return GetWindowThreadProcessId(window, nullptr);
}

}  // namespace

std::unique_ptr<KeyboardLayout> Win32KeyInjector::layoutOf(WindowHandle target)
{
    const HWND window = toHwnd(target);
    return std::make_unique<Win32KeyboardLayout>(GetKeyboardLayout(inputThreadOf(window)));
}

bool Win32KeyInjector::capsLockOn()
{
    // Read on the turn's own thread, which takes no keys meanwhile: Windows
    // keeps such a thread's state in step with the keyboard's, and Wine brings
    // a thread's state up to date when it asks for a key's state. (Joining the
    // target's input to read its state instead, as AttachThreadInput allows,
    // makes Wine forget the key state of both threads.)
    return (GetKeyState(VK_CAPITAL) & 1) != 0;
}

KeyInjector::Sent Win32KeyInjector::send(const std::vector<KeyInput>& inputs, WindowHandle)
{
    if (inputs.empty()) return {};
    std::vector<INPUT> raw;
    raw.reserve(inputs.size());
    for (const KeyInput& key : inputs) raw.push_back(toInput(key));
    const UINT accepted = SendInput(static_cast<UINT>(raw.size()), raw.data(), sizeof(INPUT));
    user_.ownInputSent();
    // Read the reason at once: the clean-up that follows is another SendInput.
    const DWORD error = accepted < raw.size() ? GetLastError() : 0;
    return {accepted, error ? describeError(error) : std::string()};
}

std::unique_ptr<TakenWatch> Win32KeyInjector::watchTaken(WindowHandle target, bool inFront)
{
    return std::make_unique<Win32TakenWatch>(toHwnd(target), inFront);
}

}  // namespace mw::win32
