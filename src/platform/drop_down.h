#pragma once
// A drop-down list the user picks one line from and types nothing into.
#include <functional>
#include <string>
#include <vector>

namespace mw {

class DropDownList {
public:
    virtual ~DropDownList() = default;
    // Replaces the lines; none is chosen afterwards.
    virtual void setLines(const std::vector<std::string>& lines) = 0;
    // The chosen line, 0-based; -1 when none is.
    virtual int chosen() const = 0;

    // The list is about to drop down: the lines can be brought up to date.
    std::function<void()> onOpening;
    // The user chose a line.
    std::function<void()> onChosen;
};

}  // namespace mw
