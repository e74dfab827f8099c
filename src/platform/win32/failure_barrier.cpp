#include "platform/win32/failure_barrier.h"

#include <string>

#include "platform/win32/utf.h"
#include "shell/error_dialog.h"

namespace mw::win32 {
namespace {

FailureReporter& installedReporter()
{
    static FailureReporter reporter;
    return reporter;
}

}  // namespace

void setFailureReporter(FailureReporter reporter) { installedReporter() = std::move(reporter); }

void reportEscapedFailure(std::string_view location, const std::exception_ptr& failure) noexcept
{
    // The failure happened outside any numbered step: line 0, as the runtime
    // reports a statement without a number.
    try {
        std::string description = "Unexpected failure";
        try {
            if (failure) std::rethrow_exception(failure);
        } catch (const std::exception& e) {
            description = e.what();
        } catch (...) {
        }
        if (const FailureReporter& reporter = installedReporter()) {
            reporter(location, description);
            return;
        }
        MessageBoxW(nullptr, widen(errorDialogText(description, location, 0)).c_str(),
                    widen(kErrorDialogTitle).c_str(), MB_OK | MB_ICONEXCLAMATION | MB_TOPMOST);
    } catch (...) {
        // Reporting failed too (out of memory): nothing more can be said.
    }
}

}  // namespace mw::win32
