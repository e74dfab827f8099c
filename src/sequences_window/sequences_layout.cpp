#include "sequences_window/sequences_layout.h"

#include <array>

namespace mw {
namespace {

using K = ControlKind;
constexpr FontSpec kText = kArial9Bold;
namespace id = sequences_id;

// The buttons in one row under the list, in tab order.
constexpr int kButtonTop = 3960, kButtonWidth = 1140, kButtonHeight = 405;
constexpr ControlLayout button(const char* name, const char* text, int place, int controlId)
{
    return {name, K::PushButton, "", text, 180 + place * 1260, kButtonTop, kButtonWidth, kButtonHeight, 1 + place,
            kText, true, controlId};
}

constexpr std::array kControls{
    ControlLayout{"List", K::ListView, "", "", 180, 180, 9960, 3600, 0, kText, true, id::kList},
    button("New", "&New\xE2\x80\xA6", 0, id::kNew),
    button("Edit", "&Edit\xE2\x80\xA6", 1, id::kEdit),
    button("Delete", "&Delete", 2, id::kDelete),
    button("OnOff", kTurnOnCaption, 3, id::kOnOff),
    button("TypeNow", "&Type Now", 4, id::kTypeNow),
    button("Import", "&Import\xE2\x80\xA6", 5, id::kImport),
    button("Export", "E&xport\xE2\x80\xA6", 6, id::kExport),
    button("Close", "&Close", 7, id::kClose),
};

constexpr FormLayout kSequences{"Sequences", "Sequences", 10320, 4545, kText, kControls};

}  // namespace

const FormLayout& sequencesLayout() { return kSequences; }

}  // namespace mw
