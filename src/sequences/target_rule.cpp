#include "sequences/target_rule.h"

#include <vector>

#include "shell/utf8.h"
#include "targets/window_list.h"

namespace mw {
namespace {

// Simple case folding for the scripts window titles and file names mostly
// use: Latin (ASCII, Latin-1, Latin Extended-A), Greek and Cyrillic.
char32_t fold(char32_t c)
{
    if (c >= 'A' && c <= 'Z') return c + 32;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
    if (c == 0x178) return 0xFF;
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x17F) {
        // Pairs: even upper, odd lower, except the runs that pair odd with even.
        const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (oddUpper ? (c % 2 == 1) : (c % 2 == 0)) return c + 1;
        return c;
    }
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 32;
    if (c >= 0x410 && c <= 0x42F) return c + 32;
    if (c >= 0x400 && c <= 0x40F) return c + 80;
    return c;
}

std::vector<char32_t> folded(const std::string& text)
{
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Character c = decodeUtf8(text, i);
        out.push_back(fold(c.codePoint));
        i += c.length;
    }
    return out;
}

}  // namespace

bool wildcardMatch(const std::string& pattern, const std::string& text)
{
    const std::vector<char32_t> p = folded(pattern), t = folded(text);
    // Greedy with backtracking to the last star: linear in practice, and never
    // worse than the product of the two lengths.
    std::size_t pi = 0, ti = 0, starAt = p.size(), resumeAt = 0;
    while (ti < t.size()) {
        if (pi < p.size() && p[pi] == U'*') {
            starAt = pi++;
            resumeAt = ti;
        } else if (pi < p.size() && (p[pi] == U'?' || p[pi] == t[ti])) {
            ++pi;
            ++ti;
        } else if (starAt < p.size()) {
            pi = starAt + 1;
            ti = ++resumeAt;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == U'*') ++pi;
    return pi == p.size();
}

bool equalIgnoringCase(const std::string& a, const std::string& b) { return folded(a) == folded(b); }

bool ruleMatches(const TargetRule& rule, const WindowFacts& window)
{
    if (!equalIgnoringCase(rule.program, window.program)) return false;
    if (!rule.title.empty() && !wildcardMatch(rule.title, window.title)) return false;
    return rule.windowClass.empty() || equalIgnoringCase(rule.windowClass, window.windowClass);
}

TargetRule exactRule(const WindowFacts& window) { return {window.program, window.title, window.windowClass}; }

WindowFacts factsOf(WindowSystem& windows, WindowHandle window)
{
    return {windows.programOf(window), windows.title(window), windows.className(window)};
}

std::string ruleText(const TargetRule& rule)
{
    if (rule.title.empty()) return rule.program;
    return rule.program + " \"" + rule.title + "\"";
}

WindowHandle resolveRule(WindowSystem& windows, const TargetRule& rule, WindowHandle lastUsed,
                         WindowHandle mainWindow)
{
    const auto fits = [&](WindowHandle window) {
        return window != mainWindow && windows.exists(window) && isListableWindow(windows, window) &&
               ruleMatches(rule, factsOf(windows, window));
    };
    if (lastUsed != kNoWindow && fits(lastUsed)) return lastUsed;
    // A walk that cycles (the stacking order changing under it) stops.
    int walked = 0;
    for (WindowHandle w = windows.firstTopLevel(); w != kNoWindow && walked < 65536; w = windows.nextBelow(w), ++walked)
        if (fits(w)) return w;
    return kNoWindow;
}

}  // namespace mw
