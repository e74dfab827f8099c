#pragma once
// How far a long turn has come, as the status line shows it: "Typing…
// 12,000 of 50,000". Shown only once a turn has lasted about half a second
// (a short one would flicker) and then at most five times a second (each
// showing costs the program's thread a repaint).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace mw {

inline constexpr std::int64_t kProgressAfterMs = 500;
inline constexpr std::int64_t kProgressEveryMs = 200;

class TurnProgress {
public:
    // A turn of so many keys, begun at startMs; thousands written with the
    // separator given.
    TurnProgress(std::size_t keys, std::int64_t startMs, std::string thousandsSeparator);
    // So many keys typed at nowMs: the text to show now, if it is time.
    std::optional<std::string> update(std::size_t typed, std::int64_t nowMs);
    std::size_t keys() const { return keys_; }

private:
    std::string number(std::size_t n) const;

    std::size_t keys_;
    std::int64_t startMs_;
    std::string separator_;
    std::optional<std::int64_t> shownAtMs_;
};

}  // namespace mw
