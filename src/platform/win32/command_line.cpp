#include "platform/win32/command_line.h"

#include "platform/win32/caller_console.h"
#include "platform/win32/files.h"
#include "platform/win32/settings_sections.h"
#include "platform/win32/utf.h"
#include "platform/win32/windows_include.h"
#include "shell/product.h"

namespace mw::win32 {

std::vector<std::string> commandLineArguments()
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> out;
    if (!arguments) return out;
    for (int i = 1; i < count; ++i) out.push_back(narrow(arguments[i]));
    LocalFree(arguments);
    return out;
}

StartDecision startFromCommandLine(RunningCopies& copies, Clock& clock)
{
    Win32Files files;
    Win32SettingsSections sequences(kApplicationName, kSequencesSection);
    return decideStart(commandLineArguments(), StartContext{copies, clock, files, sequences, tellCaller});
}

}  // namespace mw::win32
