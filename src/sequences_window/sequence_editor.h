#pragma once
// The editor of one sequence, for New and Edit: it shows the sequence's
// fields, fills the target from a window the user picks in the drop-down or
// with the finder tool, and on OK checks every field top to bottom as the
// Options dialog does. Nothing leaves it before OK.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/drop_down.h"
#include "platform/services.h"
#include "platform/window_finder.h"
#include "sequences/sequence.h"
#include "sequences_window/open_windows.h"
#include "shell/hotkey_field.h"

namespace mw {

inline constexpr const char* kNewSequenceTitle = "New Sequence";
inline constexpr const char* kEditSequenceTitle = "Edit Sequence";

struct SequenceEditorControls {
    Form& form;
    TextBox& name;
    TextBox& keys;
    CheckBox& oneKey;
    DropDownList& windows;
    WindowFinder& finder;
    TextBox& program;
    TextBox& title;
    TextBox& windowClass;
    HotkeyBox& hotkey;
    std::array<TextBox*, kSequenceNumbers.size()> numbers;  // in the order of kSequenceNumbers, Every first
    CheckBox& background;
    Button& ok;
    Button& cancel;
};

// What the editor is asked to do.
struct SequenceEditing {
    std::optional<Sequence> original;     // the sequence edited; none for a new one
    std::vector<std::string> otherNames;  // the names it must differ from
    // Who holds the hotkey (in the key notation) already, as the message
    // names them: "\"Potion\"", "the main window's on/off"; none when free.
    std::function<std::optional<std::string>(const std::string& hotkey)> hotkeyHolder;
    WindowHandle mainWindow = kNoWindow;
};

class SequenceEditor {
public:
    SequenceEditor(const SequenceEditorControls& controls, const Services& services, SequenceEditing editing);
    SequenceEditor(const SequenceEditor&) = delete;
    SequenceEditor& operator=(const SequenceEditor&) = delete;

    // Fills the fields and puts the focus on the name.
    void Form_Load();
    // The first field that holds no usable value is named with its range and
    // gets the focus; then a new hotkey that programs commonly use is asked
    // about. Otherwise the sequence is the result and the editor closes.
    void OK_Click();
    void Cancel_Click();
    void Windows_Opening();
    void Windows_Chosen();
    // The program's own windows are left alone.
    void Finder_Dropped(WindowHandle window);

    // The sequence OK accepted; none before, or after Cancel.
    const std::optional<Sequence>& result() const { return result_; }

private:
    void fillTarget(WindowHandle window);
    Sequence fromFields() const;
    // What is wrong with the hotkey pressed into its field: a combination the
    // key notation has no name for, or one the program holds already.
    std::optional<std::string> hotkeyProblem(const Sequence& sequence) const;
    void focusOn(const SequenceProblem& problem);
    std::string caption() const;

    SequenceEditorControls c_;
    Services s_;
    SequenceEditing editing_;
    std::vector<OpenWindow> offered_;
    std::optional<Sequence> result_;
    HotkeyFieldHold hotkeyHold_;
};

}  // namespace mw
