#pragma once
// Text for whoever started the program from a console or a script. The
// program is a window program: it has no console of its own, and a caller's
// redirection or console is found and used only for this.
#include <string>

namespace mw::win32 {

// One line, to the first of: the standard error the caller redirected (a
// file or a pipe), the standard output it redirected, the console of the
// process that started this one. Nowhere when there is none.
void tellCaller(const std::string& text);

}  // namespace mw::win32
