#pragma once
// The program's one way of reporting an unexpected failure: the "Application
// Error" message box naming the failure, where it happened and the number of
// the failing step, after which the handler carries on with its next step.
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs.h"
#include "platform/failure.h"

namespace mw {

inline constexpr const char* kErrorDialogTitle = "Application Error";

// The dialog's text for a failure at a location ("Form1.Form_Load") and line.
std::string errorDialogText(std::string_view description, std::string_view location, int line);

// A handler with error reporting of its own: its statements are numbered steps,
// and a failing step is reported and skipped, never aborting the handler.
class NumberedSteps {
public:
    NumberedSteps(Dialogs& dialogs, std::string location) : dialogs_(dialogs), location_(std::move(location)) {}
    // Steps that stop once `stopped` is set: the program is ending, and what
    // is left of the handler would act on a window that is going away.
    NumberedSteps(Dialogs& dialogs, std::string location, const bool& stopped)
        : dialogs_(dialogs), location_(std::move(location)), stopped_(&stopped)
    {
    }

    // Runs one step; a failure is reported at this line and execution goes on.
    // Returns whether the step succeeded (false when stopped: it did not run).
    template <class Step>
    bool step(int line, Step&& body)
    {
        if (isStopped()) return false;
        try {
            body();
            return true;
        } catch (const std::exception& e) {
            report(e.what(), line);
            return false;
        }
    }

    // The test of a conditional. A test that fails is reported and counts as
    // passed, so the handler enters the conditional as the runtime does.
    template <class Test>
    bool test(int line, Test&& condition)
    {
        if (isStopped()) return false;
        try {
            return condition();
        } catch (const std::exception& e) {
            report(e.what(), line);
            return true;
        }
    }

    // Shows the dialog, once per failure description in one run of the
    // handler: a later failure with a description already shown in this run is
    // dropped. A settings store that is down fails every later read the same
    // way, and one dialog (at the first failing line) says it.
    void report(std::string_view description, int line);

private:
    bool isStopped() const { return stopped_ && *stopped_; }

    Dialogs& dialogs_;
    std::string location_;
    const bool* stopped_ = nullptr;
    std::vector<std::string> reported_;
};

}  // namespace mw
