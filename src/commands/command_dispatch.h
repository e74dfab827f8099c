#pragma once
// Commands carried out in the program that runs: a sequence's through the
// sequences, the main window's typing as its buttons do. A command is taken
// (checked and answered) first and carried out when the program is free to:
// another start waits for the answer, not for the keys.
#include <deque>

#include "commands/command.h"
#include "commands/command_answer.h"
#include "main_window/form1.h"
#include "platform/dialogs.h"

namespace mw {

class CommandDispatch {
public:
    CommandDispatch(Form1& form1, Dialogs& dialogs) : form1_(form1), dialogs_(dialogs) {}
    // Done when the command will be carried out; it then waits its turn. A
    // name is known also when an import taken before it brings it.
    CommandAnswer take(const Command& command);
    // Carries out the commands taken, in order, until one finds a box open
    // again (it goes on waiting); true when none waits any more.
    bool carryOutWaiting();

private:
    void carryOut(const Command& command);
    void carryOutForMainWindow(CommandAction action);
    void import(const std::vector<Sequence>& sequences);

    Form1& form1_;
    Dialogs& dialogs_;
    std::deque<Command> waiting_;
};

}  // namespace mw
