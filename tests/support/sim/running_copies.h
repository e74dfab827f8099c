#pragma once
#include <cstdint>

#include "platform/running_copies.h"
#include "sim/services.h"

namespace mw::sim {

// Another copy in the session, scripted over time: it holds the token until
// a moment, and shows itself from a moment on (never, when negative).
class SimRunningCopies final : public RunningCopies {
public:
    explicit SimRunningCopies(SimClock& clock) : clock_(clock) {}
    bool claim() override
    {
        ++claims;
        return otherReleasesAtMs >= 0 && clock_.now >= otherReleasesAtMs;
    }
    bool askToShow() override
    {
        ++asks;
        return otherShowsFromMs >= 0 && clock_.now >= otherShowsFromMs;
    }
    void pause(int milliseconds) override { clock_.now += milliseconds; }

    std::int64_t otherReleasesAtMs = 0;  // 0: no other copy; negative: holds it for good
    std::int64_t otherShowsFromMs = -1;
    int claims = 0;
    int asks = 0;

private:
    SimClock& clock_;
};

}  // namespace mw::sim
