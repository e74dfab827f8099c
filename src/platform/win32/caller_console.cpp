#include "platform/win32/caller_console.h"

#include "platform/win32/utf.h"
#include "platform/win32/windows_include.h"

namespace mw::win32 {
namespace {

// A handle the caller redirected into a file or a pipe; not a console,
// which a window program only reaches by attaching to it.
bool redirected(HANDLE handle)
{
    if (!handle || handle == INVALID_HANDLE_VALUE) return false;
    const DWORD type = GetFileType(handle);
    return type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE;
}

bool writeAll(HANDLE handle, const std::string& bytes)
{
    DWORD written = 0;
    return WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

void writeToParentConsole(const std::string& line)
{
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
    if (console != INVALID_HANDLE_VALUE) {
        // Whatever the console's code page: it takes UTF-16 as it is.
        const std::wstring text = widen(line);
        DWORD written = 0;
        WriteConsoleW(console, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(console);
    }
    FreeConsole();
}

}  // namespace

void tellCaller(const std::string& text)
{
    const std::string line = text + "\r\n";
    for (const DWORD stream : {STD_ERROR_HANDLE, STD_OUTPUT_HANDLE}) {
        const HANDLE handle = GetStdHandle(stream);
        if (redirected(handle) && writeAll(handle, line)) return;
    }
    // A console's prompt may already be back: cmd.exe does not wait for a
    // window program unless told to (start /wait).
    writeToParentConsole("\r\n" + line);
}

}  // namespace mw::win32
