#include "shell/error_dialog.h"

#include "shell/product.h"

namespace mw {

std::string errorDialogText(std::string_view description, std::string_view location, int line)
{
    std::string text(description);
    text += "\r\nin Pellquist2021/08/31.";
    text += location;
    text += " at line ";
    text += std::to_string(line);
    // Two bare carriage returns, not CR LF twice: the message box still breaks
    // the line at each, which leaves one blank line before the request.
    text += "\r\rPlease email screenshot of this message to ";
    text += kSupportAddress;
    return text;
}

void NumberedSteps::report(std::string_view description, int line)
{
    for (const std::string& earlier : reported_)
        if (earlier == description) return;
    reported_.emplace_back(description);
    dialogs_.warning(errorDialogText(description, location_, line), kErrorDialogTitle);
}

}  // namespace mw
