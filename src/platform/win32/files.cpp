#include "platform/win32/files.h"

#include <algorithm>

#include "platform/failure.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/utf.h"

namespace mw::win32 {

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

void Win32Files::writeAll(const std::string& path, const std::string& content)
{
    const UniqueFile file(CreateFileW(widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) fail(describeError(GetLastError()));
    for (std::size_t done = 0; done < content.size();) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1 << 20));
        DWORD n = 0;
        if (!WriteFile(file.get(), content.data() + done, chunk, &n, nullptr)) fail(describeError(GetLastError()));
        done += n;
    }
}

}  // namespace mw::win32
