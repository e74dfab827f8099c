#pragma once
// The program's modal dialogs. The base class counts the dialogs that are open,
// so a handler can tell that it runs nested inside one (a timer tick arriving
// while an error dialog waits for the user).
#include <optional>
#include <string>

namespace mw {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message box with the exclamation icon and one OK button.
    void warning(const std::string& text, const std::string& title)
    {
        const Scope open(*this);
        showWarning(text, title);
    }
    // A message box asking a question, with Yes and No; true for Yes. No is
    // the default button, so an Enter pressed on the way does not say Yes.
    bool question(const std::string& text, const std::string& title)
    {
        const Scope open(*this);
        return askQuestion(text, title);
    }
    // An input box with OK and Cancel; nullopt when cancelled or closed.
    std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                     const std::string& initial)
    {
        const Scope open(*this);
        return showInput(prompt, title, initial);
    }
    bool modalOpen() const { return open_ > 0; }

protected:
    virtual void showWarning(const std::string& text, const std::string& title) = 0;
    virtual bool askQuestion(const std::string& text, const std::string& title) = 0;
    virtual std::optional<std::string> showInput(const std::string& prompt, const std::string& title,
                                                 const std::string& initial) = 0;

private:
    struct Scope {
        explicit Scope(Dialogs& d) : dialogs(d) { ++dialogs.open_; }
        ~Scope() { --dialogs.open_; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
        Dialogs& dialogs;
    };
    int open_ = 0;
};

}  // namespace mw
