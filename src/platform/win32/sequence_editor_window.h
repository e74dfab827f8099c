#pragma once
#include <optional>

#include "platform/services.h"
#include "platform/win32/windows_include.h"
#include "sequences_window/sequence_editor.h"

namespace mw::win32 {

// Builds the sequence editor afresh and shows it modally over the owner (the
// Sequences window); the sequence its OK accepted, or none.
std::optional<Sequence> showSequenceEditor(HWND owner, const Services& services, const SequenceEditing& editing);

}  // namespace mw::win32
