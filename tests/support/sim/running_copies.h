#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/running_copies.h"
#include "sim/services.h"

namespace mw::sim {

// Another copy in the session, scripted over time: it holds the token until
// a moment, and shows itself or answers a command from a moment on (never,
// when negative).
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
    std::optional<int> sendCommand(const std::string& command) override
    {
        sent.push_back(command);
        if (otherShowsFromMs < 0 || clock_.now < otherShowsFromMs) return std::nullopt;
        return commandAnswer;
    }
    void pause(int milliseconds) override { clock_.now += milliseconds; }

    std::int64_t otherReleasesAtMs = 0;  // 0: no other copy; negative: holds it for good
    std::int64_t otherShowsFromMs = -1;
    int claims = 0;
    int asks = 0;
    int commandAnswer = 0;
    std::vector<std::string> sent;

private:
    SimClock& clock_;
};

}  // namespace mw::sim
