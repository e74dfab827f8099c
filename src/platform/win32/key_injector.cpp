#include "platform/win32/key_injector.h"

#include <vector>

#include "platform/failure.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/utf.h"
#include "typing/virtual_keys.h"

namespace mw::win32 {
namespace {

HWND toHwnd(WindowHandle window) { return reinterpret_cast<HWND>(static_cast<LONG_PTR>(window)); }

INPUT keyInput(WORD virtualKey, bool down)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (down ? 0 : KEYEVENTF_KEYUP) | (vk::isExtended(virtualKey) ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

void appendUnicode(std::vector<INPUT>& inputs, char32_t character, bool down)
{
    wchar_t units[2];
    int count = 1;
    if (character >= 0x10000) {
        const char32_t v = character - 0x10000;
        units[0] = static_cast<wchar_t>(0xD800 + (v >> 10));
        units[1] = static_cast<wchar_t>(0xDC00 + (v & 0x3FF));
        count = 2;
    } else {
        units[0] = static_cast<wchar_t>(character);
    }
    for (int i = 0; i < count; ++i) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = static_cast<WORD>(units[i]);
        input.ki.dwFlags = KEYEVENTF_UNICODE | (down ? 0 : KEYEVENTF_KEYUP);
        inputs.push_back(input);
    }
}

// The integrity level of a process's token, or 0 when it cannot be read.
DWORD integrityLevel(HANDLE process)
{
    HANDLE raw = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &raw)) return 0;
    const UniqueKernelHandle token(raw);
    DWORD size = 0;
    GetTokenInformation(token.get(), TokenIntegrityLevel, nullptr, 0, &size);
    if (size == 0) return 0;
    std::vector<BYTE> buffer(size);
    if (!GetTokenInformation(token.get(), TokenIntegrityLevel, buffer.data(), size, &size)) return 0;
    const auto* label = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer.data());
    const DWORD count = *GetSidSubAuthorityCount(label->Label.Sid);
    return count ? *GetSidSubAuthority(label->Label.Sid, count - 1) : 0;
}

// Windows drops input to a window of a higher integrity level (an elevated
// program) without telling the sender.
void refuseIfElevatedAbove(HWND target)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(target, &processId);
    const UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) return;  // cannot tell; the system's own check still applies
    const DWORD theirs = integrityLevel(process.get());
    const DWORD ours = integrityLevel(GetCurrentProcess());
    if (theirs > ours && ours != 0)
        fail("The target window belongs to a program running with higher privileges (as administrator); "
             "Windows does not let this program type into it");
}

class Translator {
public:
    explicit Translator(HWND target) : layout_(GetKeyboardLayout(GetWindowThreadProcessId(target, nullptr))) {}

    void add(const KeyEvent& event)
    {
        if (event.kind == KeyEvent::Kind::VirtualKey) {
            inputs.push_back(keyInput(event.virtualKey, event.down));
            if (vk::isModifier(event.virtualKey)) held_[event.virtualKey] = event.down;
            return;
        }
        addCharacter(event.character, event.down);
    }

    std::vector<INPUT> inputs;

private:
    void addCharacter(char32_t character, bool down)
    {
        const SHORT scan = character < 0x10000 ? VkKeyScanExW(static_cast<wchar_t>(character), layout_) : -1;
        const BYTE key = LOBYTE(scan), state = HIBYTE(scan);
        // Not on this layout, a dead key, or needing Hankaku or other states:
        // the character goes as itself.
        if (scan == -1 || key == 0xFF || (state & ~0x07) ||
            MapVirtualKeyExW(key, MAPVK_VK_TO_CHAR, layout_) & 0x80000000u) {
            appendUnicode(inputs, character, down);
            return;
        }
        // The shift states the character needs beyond those held already
        // (Ctrl+Alt is AltGr); pressed around the key, released after it.
        std::vector<WORD> extra;
        if ((state & 1) && !held(vk::kShift)) extra.push_back(vk::kShift);
        if ((state & 2) && !held(vk::kControl)) extra.push_back(vk::kControl);
        if ((state & 4) && !held(vk::kMenu)) extra.push_back(vk::kMenu);
        if (down) {
            for (WORD m : extra) inputs.push_back(keyInput(m, true));
            inputs.push_back(keyInput(key, true));
            pendingRelease_ = extra;
        } else {
            inputs.push_back(keyInput(key, false));
            for (auto it = pendingRelease_.rbegin(); it != pendingRelease_.rend(); ++it)
                inputs.push_back(keyInput(*it, false));
            pendingRelease_.clear();
        }
    }
    bool held(WORD modifier) const { return held_[modifier]; }

    HKL layout_;
    bool held_[256] = {};
    std::vector<WORD> pendingRelease_;
};

}  // namespace

void Win32KeyInjector::send(const std::vector<KeyEvent>& events, WindowHandle target)
{
    const HWND window = toHwnd(target);
    refuseIfElevatedAbove(window);
    Translator translator(window);
    for (const KeyEvent& event : events) translator.add(event);
    std::vector<INPUT>& inputs = translator.inputs;
    if (inputs.empty()) return;
    const UINT accepted = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    if (accepted == inputs.size()) return;
    // Whatever went in, no modifier may stay down.
    std::vector<INPUT> release{keyInput(vk::kShift, false), keyInput(vk::kControl, false), keyInput(vk::kMenu, false)};
    SendInput(static_cast<UINT>(release.size()), release.data(), sizeof(INPUT));
    const DWORD error = GetLastError();
    fail("The system accepted " + std::to_string(accepted) + " of " + std::to_string(inputs.size()) +
         " key events" + (error ? ": " + describeError(error) : std::string()));
}

void Win32KeyInjector::waitUntilTaken(WindowHandle target)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(toHwnd(target), &processId);
    const UniqueKernelHandle process(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (process) WaitForInputIdle(process.get(), 5000);
}

}  // namespace mw::win32
