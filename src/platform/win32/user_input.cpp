#include "platform/win32/user_input.h"

#include "platform/win32/user_key_watch.h"

namespace mw::win32 {

std::int64_t Win32UserInput::userIdleMs()
{
    LASTINPUTINFO info{};
    info.cbSize = sizeof info;
    if (!GetLastInputInfo(&info)) return 0;
    return idle_.idleMs(info.dwTime, GetTickCount());
}

void Win32UserInput::ownInputSent() { idle_.ownInput(GetTickCount()); }

HeldInput Win32UserInput::held()
{
    // The system's state of the keys, which counts every program's input.
    const auto down = [](int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; };
    HeldInput held;
    held.shift = down(VK_SHIFT);
    held.control = down(VK_CONTROL);
    held.alt = down(VK_MENU);
    held.windows = down(VK_LWIN) || down(VK_RWIN);
    held.mouseButton =
        down(VK_LBUTTON) || down(VK_RBUTTON) || down(VK_MBUTTON) || down(VK_XBUTTON1) || down(VK_XBUTTON2);
    return held;
}

std::unique_ptr<UserKeyWatch> Win32UserInput::watchUserKeys() { return std::make_unique<Win32UserKeyWatch>(); }

}  // namespace mw::win32
