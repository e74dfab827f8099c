#include "sequences_window/sequence_editor.h"

#include "main_window/options_dialog.h"
#include "main_window/repeat_options.h"
#include "sequences/target_rule.h"
#include "shell/skin.h"
#include "typing/hotkey.h"

namespace mw {
namespace {

std::string trimmed(const std::string& text)
{
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return {};
    return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

}  // namespace

SequenceEditor::SequenceEditor(const SequenceEditorControls& controls, const Services& services,
                               SequenceEditing editing)
    : c_(controls), s_(services), editing_(std::move(editing)), hotkeyHold_(c_.hotkey, s_.hotkey)
{
    c_.ok.onClick = [this] { OK_Click(); };
    c_.cancel.onClick = [this] { Cancel_Click(); };
    c_.windows.onOpening = [this] { Windows_Opening(); };
    c_.windows.onChosen = [this] { Windows_Chosen(); };
    c_.finder.onDropped = [this](WindowHandle window) { Finder_Dropped(window); };
}

std::string SequenceEditor::caption() const { return editing_.original ? kEditSequenceTitle : kNewSequenceTitle; }

void SequenceEditor::Form_Load()
{
    BackColored* const plain[] = {&c_.oneKey, &c_.background};
    RecolorForm(c_.form, plain);
    c_.form.setCaption(caption());
    // A new sequence shows the defaults it would have.
    const Sequence shown = editing_.original.value_or(Sequence{});
    c_.name.setText(shown.name);
    c_.keys.setText(shown.keys);
    c_.oneKey.setChecked(shown.oneKey);
    c_.program.setText(shown.target.program);
    c_.title.setText(shown.target.title);
    c_.windowClass.setText(shown.target.windowClass);
    c_.hotkey.setCombination(parseHotkey(shown.hotkey));
    for (std::size_t i = 0; i < kSequenceNumbers.size(); ++i)
        c_.numbers[i]->setText(std::to_string(shown.*kSequenceNumbers[i].value));
    c_.background.setChecked(shown.background);
    Windows_Opening();
    c_.name.setFocus();
}

void SequenceEditor::Windows_Opening()
{
    offered_ = openWindows(s_.windows, editing_.mainWindow);
    std::vector<std::string> lines;
    for (const OpenWindow& window : offered_) lines.push_back(window.line);
    c_.windows.setLines(lines);
}

void SequenceEditor::Windows_Chosen()
{
    const int chosen = c_.windows.chosen();
    if (chosen >= 0 && chosen < static_cast<int>(offered_.size()))
        fillTarget(offered_[static_cast<std::size_t>(chosen)].window);
}

void SequenceEditor::Finder_Dropped(WindowHandle window)
{
    if (window == kNoWindow || window == editing_.mainWindow) return;
    if (equalIgnoringCase(s_.windows.programOf(window), s_.files.programFileName())) return;
    fillTarget(window);
}

void SequenceEditor::fillTarget(WindowHandle window)
{
    // Gone since the list was made: there is nothing to name.
    if (!s_.windows.exists(window)) return;
    const TargetRule rule = exactRule(factsOf(s_.windows, window));
    c_.program.setText(rule.program);
    c_.title.setText(rule.title);
    c_.windowClass.setText(rule.windowClass);
}

Sequence SequenceEditor::fromFields() const
{
    Sequence sequence = editing_.original.value_or(Sequence{});
    sequence.name = trimmed(c_.name.text());
    sequence.keys = c_.keys.text();
    sequence.oneKey = c_.oneKey.checked();
    sequence.target = {trimmed(c_.program.text()), c_.title.text(), trimmed(c_.windowClass.text())};
    const std::optional<HotkeyCombination> hotkey = c_.hotkey.combination();
    sequence.hotkey = hotkey ? hotkeyNotation(*hotkey).value_or(std::string()) : std::string();
    // A field that holds no whole number in its range gets a value below the
    // range, so that the checks name it in its place among the fields.
    for (std::size_t i = 0; i < kSequenceNumbers.size(); ++i) {
        const SequenceNumber& number = kSequenceNumbers[i];
        sequence.*number.value = wholeNumberIn(c_.numbers[i]->text(), number.min, number.max).value_or(number.min - 1);
    }
    sequence.background = c_.background.checked();
    return sequence;
}

void SequenceEditor::focusOn(const SequenceProblem& problem)
{
    switch (problem.field) {
    case SequenceField::Name: return c_.name.setFocus();
    case SequenceField::Keys: return c_.keys.setFocus();
    case SequenceField::Every: return c_.numbers.front()->setFocus();
    case SequenceField::Program: return c_.program.setFocus();
    case SequenceField::Title: return c_.title.setFocus();
    case SequenceField::WindowClass: return c_.windowClass.setFocus();
    case SequenceField::Hotkey: return c_.hotkey.setFocus();
    case SequenceField::Number: break;
    }
    for (std::size_t i = 0; i < kSequenceNumbers.size(); ++i)
        if (&kSequenceNumbers[i] == problem.number) return c_.numbers[i]->setFocus();
}

std::optional<std::string> SequenceEditor::hotkeyProblem(const Sequence& sequence) const
{
    const std::optional<HotkeyCombination> pressed = c_.hotkey.combination();
    if (!pressed) return std::nullopt;
    if (sequence.hotkey.empty()) return kHotkeyFieldMessage;
    if (!editing_.hotkeyHolder) return std::nullopt;
    const std::optional<std::string> holder = editing_.hotkeyHolder(sequence.hotkey);
    if (!holder) return std::nullopt;
    return hotkeyText(*pressed) + " is the hotkey of " + *holder + ".";
}

void SequenceEditor::OK_Click()
{
    const Sequence sequence = fromFields();
    std::optional<SequenceProblem> problem = checkSequence(sequence, editing_.otherNames);
    // The hotkey's place among the fields is before the numbers.
    if (!problem || problem->field == SequenceField::Number)
        if (std::optional<std::string> why = hotkeyProblem(sequence))
            problem = SequenceProblem{SequenceField::Hotkey, nullptr, std::move(*why)};
    if (problem) {
        s_.dialogs.warning(problem->message, caption());
        focusOn(*problem);
        return;
    }
    const std::optional<HotkeyCombination> pressed = c_.hotkey.combination();
    // Compared as combinations: a stored "^V" is the "^v" the field gives back.
    const bool hotkeyChanged = !editing_.original || parseHotkey(editing_.original->hotkey) != pressed;
    if (hotkeyChanged && pressed && isCommonShortcut(*pressed) &&
        !s_.dialogs.question(commonShortcutQuestion(*pressed), caption()))
        return c_.hotkey.setFocus();
    result_ = sequence;
    c_.form.close();
}

void SequenceEditor::Cancel_Click()
{
    result_.reset();
    c_.form.close();
}

}  // namespace mw
