#pragma once
// The Sequences window's logic: a row for each sequence with its keys,
// target, interval and state, following the runner as it changes, and the
// buttons that make, edit, delete, switch, type, import and export them.
// Modeless: the main window, the tray and typing go on while it is open.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/file_dialogs.h"
#include "platform/report_list.h"
#include "platform/services.h"
#include "sequences/sequence_runner.h"
#include "sequences_window/sequence_editor.h"
#include "sequences_window/sequence_row.h"
#include "sequences_window/sequences_layout.h"

namespace mw {

inline constexpr const char* kSequencesTitle = "Sequences";
inline const FileType kSequenceFileType{"Marrowind sequences (*.json)", "*.json", "json"};

struct SequencesWindowControls {
    Form& form;
    ReportList& list;
    Button& newButton;
    Button& edit;
    Button& remove;
    Button& onOff;
    Button& typeNow;
    Button& importButton;
    Button& exportButton;
    Button& close;
};

class SequencesWindow {
public:
    SequencesWindow(const SequencesWindowControls& controls, const Services& services, SequenceRunner& runner,
                    WindowHandle mainWindow);
    ~SequencesWindow();
    SequencesWindow(const SequencesWindow&) = delete;
    SequencesWindow& operator=(const SequencesWindow&) = delete;

    // Shows the window with its rows up to date, or brings it to the front.
    void show();
    void New_Click();
    void Edit_Click();
    void Delete_Click();
    void OnOff_Click();
    void TypeNow_Click();
    void Import_Click();
    void Export_Click();
    void Close_Click();
    void List_SelectionChanged();

    // The editor, shown modally over this window; the sequence its OK
    // accepted, or none. The platform supplies it.
    std::function<std::optional<Sequence>(const SequenceEditing& editing)> showEditor;
    // The main window's on/off hotkey, which no sequence may take.
    std::function<std::optional<HotkeyCombination>()> mainHotkey;

private:
    // The rows follow the runner: each keeps its place and only its changed
    // cells are written; the selection stays on the same name.
    void refresh();
    void showRow(int row, const SequenceCells& cells);
    void updateButtons();
    const Sequence* selectedSequence() const;
    void selectName(const std::string& name);
    std::optional<Sequence> edit(const std::optional<Sequence>& original);
    std::optional<std::string> hotkeyHolder(const std::string& hotkey, const std::string& except) const;
    void tell(const std::string& text);

    SequencesWindowControls c_;
    Services s_;
    SequenceRunner& runner_;
    WindowHandle mainWindow_;
    std::vector<SequenceCells> rows_;  // what each row shows, row for row
};

}  // namespace mw
