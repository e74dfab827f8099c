#pragma once
// Which window a sequence types into, said so that it survives its program's
// restart: the program (its executable's file name), a title pattern and
// optionally a window class, rather than a window that dies with the program.
#include <string>

#include "platform/window_system.h"

namespace mw {

struct TargetRule {
    std::string program;      // "notepad.exe", compared ignoring case
    std::string title;        // "*" and "?" wildcards, ignoring case; empty: any title
    std::string windowClass;  // compared ignoring case; empty: any class
    bool operator==(const TargetRule&) const = default;
};

// Whether the text matches the pattern: "*" stands for any run of characters,
// "?" for one, every other character for itself ignoring case.
bool wildcardMatch(const std::string& pattern, const std::string& text);

// Two texts equal ignoring case.
bool equalIgnoringCase(const std::string& a, const std::string& b);

// What a rule is matched against.
struct WindowFacts {
    std::string program;
    std::string title;
    std::string windowClass;
};
bool ruleMatches(const TargetRule& rule, const WindowFacts& window);

// The rule that names a window exactly: its program, its whole title (with
// "*", "?" and nothing else special) and its class.
TargetRule exactRule(const WindowFacts& window);

// The facts of a window as the system tells them.
WindowFacts factsOf(WindowSystem& windows, WindowHandle window);

// "notepad.exe", or with its pattern: notepad.exe "My Doc*".
std::string ruleText(const TargetRule& rule);

// The window a turn under the rule goes to: the one used last while it still
// matches, else the topmost window the window list would offer that matches;
// kNoWindow when none does. The program's own window never.
WindowHandle resolveRule(WindowSystem& windows, const TargetRule& rule, WindowHandle lastUsed,
                         WindowHandle mainWindow);

}  // namespace mw
