#include "integration/sys_tray.h"

#include <gtest/gtest.h>

#include "platform/failure.h"
#include "sim/services.h"

namespace mw {
namespace {

using Op = TrayOperation;

class SysTrayTest : public ::testing::Test {
protected:
    SysTrayTest()
    {
        // Waiting passes the time asked for unless a test says otherwise.
        events.onWait = [this](int ms) { clock.now += ms; };
    }
    std::vector<Op> operations() const
    {
        std::vector<Op> out;
        for (const auto& e : shell.log) out.push_back(e.operation);
        return out;
    }

    sim::SimNotificationArea shell;
    sim::SimClock clock;
    sim::SimEventLoop events;
    std::unique_ptr<cSysTray> tray = std::make_unique<cSysTray>(shell, clock, events);
};

TEST_F(SysTrayTest, TheIconComesAndGoesWithInTrayAndWithTheControl)
{
    tray->setInTray(false);
    EXPECT_TRUE(shell.log.empty()) << "setting the value it has changes nothing";
    tray->setTrayIcon(Picture{Picture::Type::Icon, 42});
    tray->setTrayTip("Tip");
    tray->setInTray(true);
    ASSERT_EQ(operations(), std::vector<Op>{Op::Add});
    const TrayRecord& add = shell.log[0].record;
    EXPECT_TRUE(add.setIcon && add.setTip && add.setMessage);
    EXPECT_EQ(add.icon, 42u);
    EXPECT_EQ(add.tip, "Tip");
    EXPECT_EQ(add.id, 0);
    tray->setTrayTip("Other");
    EXPECT_EQ(shell.log.back().operation, Op::Modify);
    EXPECT_EQ(shell.log.back().record.tip, "Other");
    tray->setTrayIcon(Picture{Picture::Type::Bitmap, 7});
    EXPECT_EQ(shell.log.size(), 2u) << "a bitmap is no tray icon";
    tray.reset();
    EXPECT_EQ(shell.log.back().operation, Op::Delete);
    EXPECT_FALSE(shell.iconShown);
}

TEST_F(SysTrayTest, AnEmptyTipGivesAnIconWithoutTooltip)
{
    tray->setInTray(true);
    EXPECT_FALSE(shell.log[0].record.setTip);
}

TEST_F(SysTrayTest, ABalloonShowsOnceWhenAskedAndItsTimeIsChecked)
{
    tray->setInTray(true);
    tray->ShowBalloon("text", "title", 0, true);
    const TrayRecord& info = shell.log.back().record;
    EXPECT_TRUE(info.setInfo);
    EXPECT_EQ(info.info, "text");
    EXPECT_EQ(info.infoTitle, "title");
    EXPECT_EQ(events.waitedMs, 0) << "no time: no wait";
    const auto sent = shell.log.size();
    tray->ShowBalloon("text", "title", 5, true);
    EXPECT_EQ(shell.log.size(), sent) << "shown once already";
    tray->ShowBalloon("again", "t", 0, false);
    tray->ShowBalloon("again", "t", 0, false);
    EXPECT_EQ(shell.log.size(), sent + 2);
    tray->ShowBalloon("text", "title", 0, true);
    EXPECT_EQ(shell.log.size(), sent + 2) << "balloons without show-once do not count";
    EXPECT_THROW(tray->ShowBalloon("t", "t", 2147484, false), Failure);
    EXPECT_EQ(shell.log.size(), sent + 2) << "nothing sent before the overflow";
}

TEST_F(SysTrayTest, TheBalloonWaitEndsWhenTheShellReportsItAndOtherwiseTakesItAway)
{
    tray->setInTray(true);
    events.onWait = [this](int) {
        clock.now += 2000;  // the user clicks the balloon after 2 seconds
        shell.deliver(TrayEvent::BalloonGone);
    };
    tray->ShowBalloon("text", "title", 5, false);
    EXPECT_EQ(clock.now, 2000);
    EXPECT_EQ(shell.log.back().record.info, "text") << "no second modify";

    events.onWait = [this](int ms) { clock.now += ms; };
    const std::int64_t started = clock.now;
    tray->ShowBalloon("text", "title", 5, false);
    EXPECT_EQ(clock.now - started, 5000);
    EXPECT_EQ(shell.log.back().operation, Op::Modify);
    EXPECT_TRUE(shell.log.back().record.setInfo);
    EXPECT_EQ(shell.log.back().record.info, "") << "taken away";
}

TEST_F(SysTrayTest, TheWaitSleepsInsteadOfSpinningAndSurvivesTheControlGoing)
{
    tray->setInTray(true);
    int waits = 0;
    events.onWait = [&](int ms) {
        ++waits;
        clock.now += ms;
    };
    tray->ShowBalloon("t", "t", 5, false);
    EXPECT_EQ(waits, 1);
    events.onWait = [&](int) { tray.reset(); };
    cSysTray* raw = tray.get();
    raw->ShowBalloon("t", "t", 5, false);  // must not touch the destroyed control
    EXPECT_EQ(tray, nullptr);

    tray = std::make_unique<cSysTray>(shell, clock, events);
    waits = 0;
    events.onWait = [&](int) {
        ++waits;
        events.quit = true;  // the main window closed meanwhile
    };
    tray->ShowBalloon("t", "t", 5, false);
    EXPECT_EQ(waits, 1);
}

TEST_F(SysTrayTest, ADoubleClickWithEitherButtonIsOneEventWithItsButton)
{
    std::vector<std::pair<int, int>> seen;
    tray->MouseDblClick = [&](int button, int id) { seen.emplace_back(button, id); };
    shell.deliver(TrayEvent::LeftDoubleClick);
    shell.deliver(TrayEvent::RightDoubleClick);
    shell.deliver(TrayEvent::BalloonGone);
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{1, 0}, {2, 0}}));
}

TEST_F(SysTrayTest, ARestartedShellGetsTheIconAgain)
{
    shell.onTaskbarCreated();
    EXPECT_TRUE(shell.log.empty());
    tray->setInTray(true);
    shell.iconShown = false;  // Explorer restarted
    shell.onTaskbarCreated();
    EXPECT_EQ(operations(), (std::vector<Op>{Op::Add, Op::Add}));
    EXPECT_TRUE(shell.iconShown);
}

TEST_F(SysTrayTest, ARefusedIconIsOfferedAgainUntilTheShellHoldsIt)
{
    int missing = 0;
    tray->IconMissing = [&] { ++missing; };
    shell.shellRunning = false;
    tray->setInTray(true);
    EXPECT_FALSE(tray->iconShown());
    EXPECT_EQ(missing, 1);
    shell.retryDue();
    EXPECT_EQ(shell.retryDelays, std::vector<int>(2, kIconRetryMs)) << "still refused: asked again";
    shell.shellRunning = true;
    shell.retryDue();
    EXPECT_TRUE(tray->iconShown() && shell.iconShown);

    // An add that timed out although the shell took the icon: the retry finds
    // it with a modify instead of failing to add it for ever.
    sim::SimNotificationArea slow;
    slow.addTimesOut = true;
    cSysTray late(slow, clock, events);
    late.setInTray(true);
    ASSERT_FALSE(late.iconShown());
    slow.retryDue();
    EXPECT_TRUE(late.iconShown());
    ASSERT_EQ(slow.log.size(), 2u);
    EXPECT_EQ(slow.log[1].operation, Op::Modify);
    late.setInTray(false);
    slow.retryDue();
    EXPECT_EQ(slow.log.back().operation, Op::Delete) << "no retry once out of the tray";
}

}  // namespace
}  // namespace mw
