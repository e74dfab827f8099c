#include "typing/turn_progress.h"

namespace mw {

TurnProgress::TurnProgress(std::size_t keys, std::int64_t startMs, std::string thousandsSeparator)
    : keys_(keys), startMs_(startMs), separator_(std::move(thousandsSeparator))
{
}

std::optional<std::string> TurnProgress::update(std::size_t typed, std::int64_t nowMs)
{
    if (nowMs - startMs_ < kProgressAfterMs) return std::nullopt;
    if (shownAtMs_ && nowMs - *shownAtMs_ < kProgressEveryMs) return std::nullopt;
    shownAtMs_ = nowMs;
    return "Typing\xE2\x80\xA6 " + number(typed) + " of " + number(keys_);
}

std::string TurnProgress::number(std::size_t n) const
{
    std::string digits = std::to_string(n);
    for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, separator_);
    return digits;
}

}  // namespace mw
