#include "sequences_window/sequences_window.h"

#include <algorithm>

#include "sequences/sequence_file.h"
#include "sequences/target_rule.h"
#include "sequences_window/sequence_import.h"
#include "typing/hotkey.h"

namespace mw {
namespace {

constexpr std::array<int, kSequenceColumns.size()> kColumnWidths{1500, 1800, 2100, 1500, 2760};

// A file name the save dialog can offer for it: the characters no file
// name may hold become "_".
std::string fileNameFor(const std::string& name)
{
    std::string file = name;
    for (char& c : file)
        if (std::string_view("/:*?\"<>|").find(c) != std::string_view::npos || static_cast<unsigned char>(c) < 32)
            c = '_';
    return file + ".json";
}

}  // namespace

SequencesWindow::SequencesWindow(const SequencesWindowControls& controls, const Services& services,
                                 SequenceRunner& runner, WindowHandle mainWindow)
    : c_(controls), s_(services), runner_(runner), mainWindow_(mainWindow)
{
    for (std::size_t i = 0; i < kSequenceColumns.size(); ++i) c_.list.addColumn(kSequenceColumns[i], kColumnWidths[i]);
    c_.list.onSelectionChanged = [this] { List_SelectionChanged(); };
    c_.list.onActivate = [this] { Edit_Click(); };
    c_.list.onDeleteKey = [this] { Delete_Click(); };
    c_.newButton.onClick = [this] { New_Click(); };
    c_.edit.onClick = [this] { Edit_Click(); };
    c_.remove.onClick = [this] { Delete_Click(); };
    c_.onOff.onClick = [this] { OnOff_Click(); };
    c_.typeNow.onClick = [this] { TypeNow_Click(); };
    c_.importButton.onClick = [this] { Import_Click(); };
    c_.exportButton.onClick = [this] { Export_Click(); };
    c_.close.onClick = [this] { Close_Click(); };
}

SequencesWindow::~SequencesWindow() { runner_.changed = nullptr; }

void SequencesWindow::show()
{
    runner_.changed = [this] { refresh(); };
    refresh();
    c_.form.setVisible(true);
    c_.form.setFocus();
}

void SequencesWindow::Close_Click()
{
    // Hidden, not gone: it comes back as it was, with its rows brought up to
    // date, and follows the runner only while it shows.
    runner_.changed = nullptr;
    c_.form.setVisible(false);
}

void SequencesWindow::refresh()
{
    const std::vector<Sequence> all = runner_.sequences();
    const Sequence* selected = selectedSequence();
    const std::string keep = selected ? selected->name : std::string();
    const auto present = [&](const std::string& name) {
        return std::any_of(all.begin(), all.end(), [&](const Sequence& s) { return s.name == name; });
    };
    // Both the rows and the runner's sequences go by name: a row whose
    // sequence went is removed, a new sequence gets a row in its place.
    for (std::size_t i = 0; i < all.size(); ++i) {
        const int row = static_cast<int>(i);
        while (i < rows_.size() && !present(rows_[i][0])) {
            c_.list.removeRow(row);
            rows_.erase(rows_.begin() + row);
        }
        if (i == rows_.size() || rows_[i][0] != all[i].name) {
            c_.list.insertRow(row);
            rows_.insert(rows_.begin() + row, SequenceCells{});
        }
        showRow(row, sequenceCells(all[i], runner_.stateOf(all[i].name)));
    }
    while (rows_.size() > all.size()) {
        c_.list.removeRow(static_cast<int>(rows_.size()) - 1);
        rows_.pop_back();
    }
    if (!keep.empty()) selectName(keep);
    updateButtons();
}

void SequencesWindow::showRow(int row, const SequenceCells& cells)
{
    SequenceCells& shown = rows_[static_cast<std::size_t>(row)];
    for (std::size_t column = 0; column < cells.size(); ++column) {
        if (shown[column] == cells[column]) continue;
        c_.list.setCell(row, static_cast<int>(column), cells[column]);
        shown[column] = cells[column];
    }
}

void SequencesWindow::selectName(const std::string& name)
{
    int wanted = -1;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i][0] == name) wanted = static_cast<int>(i);
    if (c_.list.selected() != wanted) c_.list.select(wanted);
}

const Sequence* SequencesWindow::selectedSequence() const
{
    const int row = c_.list.selected();
    if (row < 0 || row >= static_cast<int>(rows_.size())) return nullptr;
    return runner_.find(rows_[static_cast<std::size_t>(row)][0]);
}

void SequencesWindow::updateButtons()
{
    const Sequence* selected = selectedSequence();
    for (Button* button : {&c_.edit, &c_.remove, &c_.onOff, &c_.typeNow})
        if (button->enabled() != (selected != nullptr)) button->setEnabled(selected != nullptr);
    const char* onOff = selected && selected->on ? kTurnOffCaption : kTurnOnCaption;
    if (c_.onOff.caption() != onOff) c_.onOff.setCaption(onOff);
    if (c_.exportButton.enabled() != !rows_.empty()) c_.exportButton.setEnabled(!rows_.empty());
}

void SequencesWindow::List_SelectionChanged() { updateButtons(); }

std::optional<std::string> SequencesWindow::hotkeyHolder(const std::string& hotkey, const std::string& except) const
{
    if (mainHotkey && parseHotkey(hotkey) == mainHotkey()) return std::string("the main window's on/off");
    if (const std::optional<std::string> name = runner_.hotkeyHolder(hotkey, except)) return "\"" + *name + "\"";
    return std::nullopt;
}

std::optional<Sequence> SequencesWindow::edit(const std::optional<Sequence>& original)
{
    if (!showEditor) fail("The sequence editor is not available");
    SequenceEditing editing;
    editing.original = original;
    for (const Sequence& other : runner_.sequences())
        if (!original || !equalIgnoringCase(other.name, original->name)) editing.otherNames.push_back(other.name);
    const std::string except = original ? original->name : std::string();
    editing.hotkeyHolder = [this, except](const std::string& hotkey) { return hotkeyHolder(hotkey, except); };
    editing.mainWindow = mainWindow_;
    return showEditor(editing);
}

void SequencesWindow::New_Click()
{
    const std::optional<Sequence> made = edit(std::nullopt);
    if (!made) return;
    runner_.add(*made);
    selectName(made->name);
    updateButtons();
}

void SequencesWindow::Edit_Click()
{
    const Sequence* selected = selectedSequence();
    if (!selected) return;
    const Sequence original = *selected;
    std::optional<Sequence> changed = edit(original);
    if (!changed) return;
    // Switched on or off meanwhile (its hotkey, the tray): it stays so.
    if (const Sequence* now = runner_.find(original.name)) changed->on = now->on;
    runner_.replace(original.name, *changed);
    selectName(changed->name);
    updateButtons();
}

void SequencesWindow::Delete_Click()
{
    const Sequence* selected = selectedSequence();
    if (!selected) return;
    const std::string name = selected->name;
    std::string asked = "Delete the sequence \"";
    asked += name;
    asked += "\"?";
    if (!s_.dialogs.question(asked, kSequencesTitle)) return;
    const int row = c_.list.selected();
    runner_.remove(name);
    // The row that took its place is selected, so Delete can go on.
    const int count = c_.list.count();
    if (count > 0) c_.list.select(std::min(row, count - 1));
    c_.list.setFocus();
    updateButtons();
}

void SequencesWindow::OnOff_Click()
{
    if (const Sequence* selected = selectedSequence()) runner_.toggle(selected->name);
}

void SequencesWindow::TypeNow_Click()
{
    if (const Sequence* selected = selectedSequence()) runner_.typeNow(selected->name);
}

void SequencesWindow::tell(const std::string& text) { s_.dialogs.warning(text, kSequencesTitle); }

void SequencesWindow::Export_Click()
{
    // The selected sequence, or all of them when none is selected.
    const Sequence* selected = selectedSequence();
    const std::vector<Sequence> chosen = selected ? std::vector<Sequence>{*selected} : runner_.sequences();
    const std::optional<std::string> path = s_.fileDialogs.chooseFileToSave(
        "Export Sequences", kSequenceFileType, selected ? fileNameFor(selected->name) : "sequences.json");
    if (!path) return;
    try {
        s_.files.writeAll(*path, writeSequenceFile(chosen));
    } catch (const std::exception& e) {
        tell("Could not write " + *path + ": " + e.what());
    }
}

void SequencesWindow::Import_Click()
{
    const std::optional<std::string> path = s_.fileDialogs.chooseFileToOpen("Import Sequences", kSequenceFileType);
    if (!path) return;
    std::string text;
    try {
        text = s_.files.readAll(*path);
    } catch (const std::exception& e) {
        return tell("Could not read " + *path + ": " + e.what());
    }
    ImportRules rules;
    rules.replaceExisting = [this](const std::string& name) {
        std::string asked = "Replace the sequence \"";
        asked += name;
        asked += "\"?";
        return s_.dialogs.question(asked, kSequencesTitle);
    };
    rules.hotkeyHolder = [this](const std::string& hotkey, const std::string& except) {
        return hotkeyHolder(hotkey, except);
    };
    const ImportResult result = importSequences(text, runner_, rules);
    if (result.error) return tell(result.error->text());
    for (const std::string& note : result.notes) tell(note);
}

}  // namespace mw
