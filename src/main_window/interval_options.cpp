#include "main_window/interval_options.h"

#include "platform/failure.h"
#include "shell/numbers.h"

namespace mw {

const IntervalOption& intervalOption(int row)
{
    if (row < 1 || row > static_cast<int>(kIntervalOptions.size())) fail(kIndexOutOfBounds);
    return kIntervalOptions[static_cast<std::size_t>(row - 1)];
}

bool isUsableCustomSeconds(const std::string& answer, const LocaleFormat& locale)
{
    if (!isNumeric(answer, locale)) return false;
    try {
        return toInteger16(answer, locale) >= 1;
    } catch (const Failure&) {
        return false;  // beyond the 16-bit range
    }
}

}  // namespace mw
