#include "platform/win32/utf.h"

#include "platform/win32/windows_include.h"
#include "shell/utf8.h"

namespace mw::win32 {

// The core's own converters, not MultiByteToWideChar: what malformed text
// becomes must not depend on the Windows version (or Wine) underneath.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 text is UTF-16");

std::wstring widen(const std::string& utf8)
{
    const std::u16string units = utf8ToUtf16(utf8);
    return std::wstring(units.begin(), units.end());
}

std::string narrow(const wchar_t* utf16, int length)
{
    if (length <= 0) return {};
    return utf16ToUtf8(std::u16string(utf16, utf16 + length));
}

std::string narrow(const std::wstring& utf16) { return narrow(utf16.data(), static_cast<int>(utf16.size())); }

std::string windowText(HWND window)
{
    // For another process's window GetWindowText reads the stored title without
    // sending a message, so a hung window cannot block whoever asks.
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, buffer.data(), length + 1);
    return narrow(buffer.data(), copied);
}

std::string describeError(unsigned long code)
{
    wchar_t* buffer = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text = n ? narrow(buffer, static_cast<int>(n)) : std::string();
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
    if (text.empty()) text = "System error " + std::to_string(code);
    return text;
}

}  // namespace mw::win32
