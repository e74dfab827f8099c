#include "commands/command_dispatch.h"

namespace mw {

CommandAnswer CommandDispatch::take(const Command& command)
{
    // As the tray menu is: nothing acts while a box waits for its answer
    // (the seconds prompt may be the Turn On button's handler waiting).
    if (dialogs_.modalOpen()) return CommandAnswer::Busy;
    std::vector<std::string> names;
    for (const Sequence& sequence : form1_.sequences().sequences()) names.push_back(sequence.name);
    for (const Command& earlier : waiting_)
        for (const Sequence& sequence : earlier.sequences) names.push_back(sequence.name);
    const CommandAnswer answer = checkSequenceName(command, names);
    if (answer == CommandAnswer::Done) waiting_.push_back(command);
    return answer;
}

bool CommandDispatch::carryOutWaiting()
{
    while (!waiting_.empty()) {
        // A box opened after the command was taken: it waits until it closes.
        if (dialogs_.modalOpen()) return false;
        const Command command = std::move(waiting_.front());
        waiting_.pop_front();
        carryOut(command);
    }
    return true;
}

void CommandDispatch::carryOut(const Command& command)
{
    if (command.action == CommandAction::Import) return import(command.sequences);
    if (command.name.empty()) return carryOutForMainWindow(command.action);
    SequenceRunner& sequences = form1_.sequences();
    switch (command.action) {
    case CommandAction::On: sequences.turnOn(command.name); break;
    case CommandAction::Off: sequences.turnOff(command.name); break;
    case CommandAction::Toggle: sequences.toggle(command.name); break;
    case CommandAction::TypeNow: sequences.typeNow(command.name); break;
    case CommandAction::Import:
    case CommandAction::Start: break;
    }
}

void CommandDispatch::carryOutForMainWindow(CommandAction action)
{
    // The Turn On/Turn Off button switches; /on and /off leave typing as
    // they find it when it already is so.
    const bool on = form1_.session().on();
    switch (action) {
    case CommandAction::On:
        if (!on) form1_.PushButton4_Click();
        break;
    case CommandAction::Off:
        if (on) form1_.PushButton4_Click();
        break;
    case CommandAction::Toggle: form1_.PushButton4_Click(); break;
    case CommandAction::TypeNow: form1_.PushButton2_Click(); break;
    case CommandAction::Import:
    case CommandAction::Start: break;
    }
}

void CommandDispatch::import(const std::vector<Sequence>& sequences)
{
    // For scripted set-ups: a sequence of the same name, in any case, is
    // replaced without asking.
    SequenceRunner& runner = form1_.sequences();
    for (const Sequence& sequence : sequences) {
        if (const Sequence* old = runner.find(sequence.name)) {
            const std::string oldName = old->name;  // gone with the old sequence
            runner.replace(oldName, sequence);
        } else {
            runner.add(sequence);
        }
    }
}

}  // namespace mw
