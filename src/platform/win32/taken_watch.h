#pragma once
#include <memory>

#include "platform/win32/windows_include.h"
#include "platform/key_injection.h"

namespace mw::win32 {

// One turn's watch on its target taking the keys sent before it began.
class Win32TakenWatch final : public TakenWatch {
public:
    Win32TakenWatch(HWND target, bool inFront);
    KeysTaken taken() override;

private:
    // The probes' answers, shared with the callbacks still on their way,
    // which may come after the watch is gone.
    struct Answers {
        unsigned long long probes = 0;
        unsigned long long lastAnswered = 0;
    };
    void probe();

    HWND window_;
    HWND focus_;
    bool inFront_;
    bool paints_;
    std::shared_ptr<Answers> answers_ = std::make_shared<Answers>();
    unsigned long long probe_ = 0;
    unsigned long long probedAt_ = 0;
};

}  // namespace mw::win32
