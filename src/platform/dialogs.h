#pragma once
// The program's modal boxes. The base class counts the dialogs that are open,
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
    // An input box with OK and Cancel; nullopt when cancelled or closed.
    std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                     const std::string& initial)
    {
        const Scope open(*this);
        return showInput(prompt, title, initial);
    }
    // A message box with the question icon and Yes and No buttons; true for Yes.
    bool ask(const std::string& text, const std::string& title)
    {
        const Scope open(*this);
        return showQuestion(text, title);
    }
    bool modalOpen() const { return open_ > 0; }

protected:
    virtual void showWarning(const std::string& text, const std::string& title) = 0;
    virtual std::optional<std::string> showInput(const std::string& prompt, const std::string& title,
                                                 const std::string& initial) = 0;
    virtual bool showQuestion(const std::string& text, const std::string& title) = 0;

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
