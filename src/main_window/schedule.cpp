#include "main_window/schedule.h"

#include "shell/utf8.h"

namespace mw {

std::vector<std::string> oneCharacterUnits(const std::string& text)
{
    std::vector<std::string> units;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = text.compare(i, 2, "\r\n") == 0 ? 2 : decodeUtf8(text, i).length;
        units.push_back(text.substr(i, length));
        i += length;
    }
    return units;
}

Countdown Schedule::tick()
{
    ++elapsedSeconds_;
    Countdown countdown;
    countdown.secondsLeft = intervalSeconds_ - elapsedSeconds_;
    if (intervalSeconds_ <= 0) {
        countdown.progressValue = 0;
        return countdown;
    }
    countdown.progressMax = intervalSeconds_;
    if (elapsedSeconds_ <= intervalSeconds_) countdown.progressValue = elapsedSeconds_;
    countdown.due = elapsedSeconds_ >= intervalSeconds_;
    return countdown;
}

}  // namespace mw
