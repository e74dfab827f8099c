#include "typing/turn_progress.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

TEST(TurnProgress, ALongTurnShowsItsCountAtMostFiveTimesASecondAndAShortOneNever)
{
    TurnProgress progress(50000, 1000, ",");
    struct Look {
        std::size_t typed;
        std::int64_t at;
        std::optional<std::string> shows;
    };
    const Look looks[] = {
        {1000, 1100, std::nullopt},  // a turn this short shows nothing
        {5000, 1499, std::nullopt},
        {5500, 1500, "Typing\xE2\x80\xA6 5,500 of 50,000"},
        {6000, 1650, std::nullopt},  // not yet a fifth of a second since
        {12000, 1700, "Typing\xE2\x80\xA6 12,000 of 50,000"},
        {50000, 1899, std::nullopt},
        {50000, 1900, "Typing\xE2\x80\xA6 50,000 of 50,000"},
    };
    for (const Look& look : looks) EXPECT_EQ(progress.update(look.typed, look.at), look.shows) << look.at;
    EXPECT_EQ(TurnProgress(1234567, 0, "\xC2\xA0").update(999, 600), "Typing\xE2\x80\xA6 999 of 1\xC2\xA0" "234\xC2\xA0" "567");
}

}  // namespace
}  // namespace mw
