// Twenty sequences at every 1 second, each typing its own letter into one
// recorder window for a number of seconds (60 unless given): how late each
// turn starts beyond the queue's own wait, and how many turns each sequence
// got. Then the same twenty waiting for a program that is not running, for as
// long: the program's CPU while it only counts and looks for windows, beside
// the program with no sequence at all.
// Run under Wine in the test environment (bench/run.sh does).
//
// The recorder's log is the only clock that sees the turns: a turn starts at
// its key's KEYDOWN and its keys are in at the KEYUP. All sequences count on
// one shared one-second tick, so the turns of a tick queue one behind the
// other. Lateness beyond the queue's wait is, for the first turn of a tick,
// its start after the tick's place on the grid of whole seconds (anchored at
// the least late tick, so the figure is at least 0), and for every later turn
// of the tick, its start after the previous turn's keys were in.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver.h"

using namespace e2e;

namespace {

constexpr int kSequences = 20;

void pause(std::chrono::milliseconds time)
{
    waitUntil([] { return false; }, time);
}

// The twenty sequences, stored on, as an earlier run left them: sequence i
// types the letter 'a' + i into the window of that program and title.
void presetSequences(const std::string& program, const std::string& title)
{
    regDeleteKey(kSequencesKey);
    for (int i = 0; i < kSequences; ++i) {
        char name[8];
        std::snprintf(name, sizeof name, "S%02d", i + 1);
        const std::string keys(1, static_cast<char>('a' + i));
        regSetStrings(kSequencesKey + "\\" + name,
                      {{"keys", keys.c_str()}, {"mode", "whole"}, {"program", program.c_str()},
                       {"title", title.c_str()}, {"class", ""}, {"hotkey", ""}, {"on", "On"},
                       {"background", "Off"}, {"every", "1"}, {"jitter", "0"}, {"stopAfterTurns", "0"},
                       {"stopAfterMinutes", "0"}, {"keyDelay", "0"}, {"keyHold", "0"}});
    }
}

struct Turn {
    int sequence = 0;
    long long start = 0;  // KEYDOWN, ms of the recorder's clock
    long long end = 0;    // KEYUP
};

std::vector<Turn> turnsOf(const Target& target)
{
    // A turn's KEYDOWN, its letter's CHAR, then its KEYUP; the letter says
    // which sequence's it is, whether the key came as a virtual key or a
    // character packet.
    std::vector<Turn> turns;
    long long down = 0;
    bool awaitingUp = false;
    for (const KeyMessage& m : target.messages()) {
        if (m.kind == "KEYDOWN") down = m.ms;
        if (m.kind == "CHAR" && m.character.size() == 1) {
            const int sequence = m.character[0] - 'a';
            if (sequence < 0 || sequence >= kSequences) continue;
            turns.push_back({sequence, down, m.ms});
            awaitingUp = true;
        }
        if (m.kind == "KEYUP" && awaitingUp) {
            turns.back().end = m.ms;
            awaitingUp = false;
        }
    }
    return turns;
}

void printStats(const char* what, std::vector<long long> values)
{
    if (values.empty()) {
        std::printf("  %s: none\n", what);
        return;
    }
    std::sort(values.begin(), values.end());
    double sum = 0;
    for (long long v : values) sum += static_cast<double>(v);
    std::printf("  %s: mean %.1f ms, median %lld ms, 99th %lld ms, max %lld ms (%zu turns)\n", what,
                sum / static_cast<double>(values.size()), values[values.size() / 2],
                values[values.size() * 99 / 100], values.back(), values.size());
}

double idleCpuPercent(int seconds)
{
    Marrowind app(false);
    pause(std::chrono::seconds(3));  // start-up settles
    const double before = cpuMs(app.process().id());
    const ULONGLONG from = GetTickCount64();
    pause(std::chrono::seconds(seconds));
    const double used = cpuMs(app.process().id()) - before;
    return used / static_cast<double>(GetTickCount64() - from) * 100.0;
}

}  // namespace

int main(int argc, char** argv)
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    {
        Target target(L"Marrowind Bench Target");
        presetSettings({});
        presetSequences("marrowind_target.exe", "Marrowind Bench Target");
        Marrowind app(false);
        const double cpuBefore = cpuMs(app.process().id());
        pause(std::chrono::seconds(seconds));
        const double cpu = cpuMs(app.process().id()) - cpuBefore;
        const std::vector<Turn> turns = turnsOf(target);
        if (turns.size() < 2) {
            std::printf("only %zu turns arrived\n", turns.size());
            return 1;
        }

        // The ticks: every sequence is due at every tick and the queue takes
        // them in the same order, so a tick's turns end where a sequence
        // comes again. (Turns of a tick may run past the next one: the gap
        // between turns cannot tell the ticks apart.)
        std::vector<std::size_t> tickStarts{0};
        std::vector<bool> seen(kSequences, false);
        for (std::size_t i = 0; i < turns.size(); ++i) {
            if (seen[static_cast<std::size_t>(turns[i].sequence)]) {
                tickStarts.push_back(i);
                seen.assign(kSequences, false);
            }
            seen[static_cast<std::size_t>(turns[i].sequence)] = true;
        }
        // Tick n falls due at anchor + n s: the grid anchored where the least
        // late first turn of a tick puts it.
        long long anchor = turns[0].start;
        for (std::size_t n = 0; n < tickStarts.size(); ++n)
            anchor = std::min(anchor, turns[tickStarts[n]].start - static_cast<long long>(n) * 1000);
        // A turn waits for its tick and for the turn before it; what it takes
        // beyond the later of the two is its lateness.
        std::vector<long long> firstLate, nextLate, all, queueWait, keysIn;
        for (std::size_t n = 0; n < tickStarts.size(); ++n) {
            const std::size_t from = tickStarts[n];
            const std::size_t to = n + 1 < tickStarts.size() ? tickStarts[n + 1] : turns.size();
            const long long due = anchor + static_cast<long long>(n) * 1000;
            for (std::size_t i = from; i < to; ++i) {
                const long long free = i > 0 ? std::max(due, turns[i - 1].end) : due;
                all.push_back(turns[i].start - free);
                (i == from ? firstLate : nextLate).push_back(all.back());
                queueWait.push_back(free - due);
                keysIn.push_back(turns[i].end - turns[i].start);
            }
        }
        std::vector<int> perSequence(kSequences, 0);
        for (const Turn& turn : turns) ++perSequence[static_cast<std::size_t>(turn.sequence)];
        const auto [fewest, most] = std::minmax_element(perSequence.begin(), perSequence.end());
        const double span = static_cast<double>(turns.back().start - turns.front().start) / 1000.0;

        std::printf("%d sequences at every 1 second for %d s into one recorder: %zu turns in %zu ticks; "
                    "turns per sequence %d to %d over %.1f s\n",
                    kSequences, seconds, turns.size(), tickStarts.size(), *fewest, *most, span);
        std::printf("how late a turn starts beyond the queue's own wait:\n");
        printStats("every turn", all);
        printStats("first of its tick", firstLate);
        printStats("later in its tick", nextLate);
        std::printf("the queue's own wait and the turns:\n");
        printStats("the queue's wait: the previous turn's keys in after the tick", queueWait);
        printStats("KEYDOWN to KEYUP of a turn", keysIn);
        std::printf("  program CPU over the run: %.0f ms (%.2f %% of one core, turns included)\n", cpu,
                    cpu / (seconds * 10.0));
    }

    presetSettings({});
    presetSequences("marrowind_absent.exe", "");
    const double waiting = idleCpuPercent(seconds);
    regDeleteKey(kSequencesKey);
    const double none = idleCpuPercent(seconds / 2);
    std::printf("program CPU between turns, %d sequences on and waiting for a program that is not running "
                "(%d s): %.3f %% of one core; with no sequence (%d s): %.3f %%\n",
                kSequences, seconds, waiting, seconds / 2, none);
    presetSettings({});
    return 0;
}
