#pragma once
// The drop-down list over a combo box that takes no typing (CBS_DROPDOWNLIST).
#include "platform/drop_down.h"
#include "platform/win32/controls.h"

namespace mw::win32 {

class Win32DropDownList final : public DropDownList, public RoutedControl {
public:
    explicit Win32DropDownList(HWND hwnd) : hwnd_(hwnd) {}
    void setLines(const std::vector<std::string>& lines) override;
    int chosen() const override;
    void command(WORD code) override;

private:
    HWND hwnd_;
};

}  // namespace mw::win32
