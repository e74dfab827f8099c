#include "shell/numbers.h"

#include <gtest/gtest.h>

#include <climits>

#include "platform/failure.h"
#include "platform/paced_timer.h"

namespace mw {
namespace {

const LocaleFormat kEnglish{".", ",", ":"};
const LocaleFormat kGerman{",", ".", ":"};

TEST(Numbers, NumericAnswersConvertWithHalvesToEven)
{
    struct Case {
        const char* text;
        LocaleFormat locale;
        int expected;
    };
    const Case cases[] = {
        {"7", kEnglish, 7},        {"+7", kEnglish, 7},       {" 7 ", kEnglish, 7},     {"-7", kEnglish, -7},
        {"2.5", kEnglish, 2},      {"3.5", kEnglish, 4},      {"-2.5", kEnglish, -2},   {"0.5", kEnglish, 0},
        {"2.51", kEnglish, 3},     {"1e3", kEnglish, 1000},   {"1.5E+1", kEnglish, 15}, {"1,000", kEnglish, 1000},
        {"32767", kEnglish, 32767}, {"-32768", kEnglish, -32768}, {".5", kEnglish, 0},  {"0", kEnglish, 0},
        {" -0 ", kEnglish, 0},     {"2,5", kGerman, 2},       {"1.000", kGerman, 1000}, {"3,5", kGerman, 4},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(isNumeric(c.text, c.locale)) << c.text;
        EXPECT_EQ(toInteger16(c.text, c.locale), c.expected) << c.text;
    }
}

TEST(Numbers, NonNumbersAreATypeMismatchAndLargeNumbersAnOverflow)
{
    for (const char* text : {"", " ", "abc", "7a", ".", "-", "1e", "1e+", "- 7", "7 7", "\xC3\xA4", ",5", "0x10"}) {
        EXPECT_FALSE(isNumeric(text, kEnglish)) << text;
        try {
            toInteger16(text, kEnglish);
            ADD_FAILURE() << text;
        } catch (const Failure& e) {
            EXPECT_STREQ(e.what(), "Type mismatch") << text;
        }
    }
    for (const char* text : {"32768", "-32769", "32767.5", "1e10", "1e400"}) {
        EXPECT_TRUE(isNumeric(text, kEnglish)) << text;
        try {
            toInteger16(text, kEnglish);
            ADD_FAILURE() << text;
        } catch (const Failure& e) {
            EXPECT_STREQ(e.what(), "Overflow") << text;
        }
    }
}

TEST(Numbers, SecondsAsClockTimeOfTheAbsoluteValueWithinADay)
{
    struct Case {
        std::int32_t seconds;
        const char* text;
    };
    const Case cases[] = {{0, "00:00:00"},     {65, "00:01:05"},     {3661, "01:01:01"}, {-2, "00:00:02"},
                          {86399, "23:59:59"}, {86400, "00:00:00"}, {90061, "01:01:01"}, {INT_MIN, "03:14:08"}};
    for (const Case& c : cases) EXPECT_EQ(SecondsToHms(c.seconds, ":"), c.text) << c.seconds;
    EXPECT_EQ(SecondsToHms(3661, "."), "01.01.01");
}

TEST(PacedSchedule, TicksKeepTheirPlaceWhateverTheTimerRounding)
{
    PacedSchedule schedule(1000, 1000);
    EXPECT_EQ(schedule.delayFrom(1000), 1000);
    // A timer that always fires 15 ms late does not drift: each wait shrinks.
    std::int64_t now = 1000;
    for (int k = 1; k <= 100; ++k) {
        now += schedule.delayFrom(now) + 15;
        EXPECT_EQ(now, 1000 + k * 1000 + 15);
        schedule.ticked(now);
    }
    // Early by a few milliseconds: still one tick, not two.
    schedule.ticked(schedule.dueMs() - 3);
    EXPECT_EQ(schedule.dueMs(), 1000 + 102 * 1000);
    // A handler busy for 2.5 s skips the ticks it missed instead of bursting.
    schedule.ticked(schedule.dueMs() + 2500);
    EXPECT_EQ(schedule.delayFrom(1000 + 102 * 1000 + 2500), 500);
}

}  // namespace
}  // namespace mw
