#include "platform/win32/taken_watch.h"

#include "platform/win32/key_poster.h"

namespace mw::win32 {
namespace {

// A target silent for this long after a probe is not responding, as the
// system calls a window hung; an answered probe is sent again this often.
constexpr ULONGLONG kHungAfterMs = 5000;
constexpr ULONGLONG kProbeEveryMs = 1000;

// Whether the foreground still belongs to the target's program (its own
// dialogs included).
bool foregroundWith(HWND target)
{
    DWORD theirs = 0, foreground = 0;
    GetWindowThreadProcessId(target, &theirs);
    const HWND front = GetForegroundWindow();
    if (front) GetWindowThreadProcessId(front, &foreground);
    return theirs != 0 && theirs == foreground;
}

}  // namespace

Win32TakenWatch::Win32TakenWatch(HWND target, bool inFront) : window_(target), inFront_(inFront)
{
    // A window's thread gets WM_PAINT only when its queue holds no sent, posted
    // or input message. So once the window that has the focus in the target's
    // thread has painted a pixel invalidated after the keys, that thread has
    // taken every key before it. Measured under Wine: a recorder window had
    // taken all of 500, 2,000 and 10,000 keys when its pixel was painted, while a
    // WM_NULL sent at the same moment came back after 48, 161 and 701 of them
    // (sent messages go first). For a console window the thread is the console
    // host's, which puts each key into the console's input buffer.
    // (WaitForInputIdle cannot tell: it fails for a console program and returns
    // at once for any GUI program that has been idle once.)
    // In front, the focus is the foreground thread's, the one the keys went
    // to: the thread the system names for a console window is the console
    // program's, which has none. In the background it is the focus of the
    // thread that owns the target, where the keys were posted.
    if (inFront) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        focus_ = GetGUIThreadInfo(0, &info) && info.hwndFocus ? info.hwndFocus : window_;
    } else {
        focus_ = Win32KeyPoster::receiverOf(window_);
        if (!focus_) focus_ = window_;
    }
    const RECT pixel{0, 0, 1, 1};
    InvalidateRect(focus_, &pixel, FALSE);
    // A window that never paints (hidden, layered) shows nothing: then only
    // whether it still answers at all.
    paints_ = GetUpdateRect(focus_, nullptr, FALSE) != FALSE;
    probe();
}

void Win32TakenWatch::probe()
{
    // SendMessageCallback calls back on this thread, from its message loop,
    // once the target's thread has taken the WM_NULL. The ticket carries the
    // probe's number and goes with the callback.
    struct Ticket {
        std::weak_ptr<Answers> answers;
        unsigned long long probe;
    };
    probe_ = ++answers_->probes;
    probedAt_ = GetTickCount64();
    auto* ticket = new Ticket{answers_, probe_};
    const auto answered = [](HWND, UINT, ULONG_PTR data, LRESULT) {
        const std::unique_ptr<Ticket> t(reinterpret_cast<Ticket*>(data));
        if (const std::shared_ptr<Answers> a = t->answers.lock(); a && t->probe > a->lastAnswered)
            a->lastAnswered = t->probe;
    };
    if (!SendMessageCallbackW(window_, WM_NULL, 0, 0, answered, reinterpret_cast<ULONG_PTR>(ticket))) delete ticket;
}

KeysTaken Win32TakenWatch::taken()
{
    if (!IsWindow(window_)) return KeysTaken::FocusLost;
    if (inFront_ && !foregroundWith(window_)) return KeysTaken::FocusLost;
    const bool answered = answers_->lastAnswered >= probe_;
    if (paints_ ? !GetUpdateRect(focus_, nullptr, FALSE) : answered) return KeysTaken::Yes;
    const ULONGLONG since = GetTickCount64() - probedAt_;
    if (!answered && since >= kHungAfterMs) return KeysTaken::NotResponding;
    if (answered && since >= kProbeEveryMs) probe();
    return KeysTaken::Pending;
}

}  // namespace mw::win32
