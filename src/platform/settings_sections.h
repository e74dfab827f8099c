#pragma once
// Sections of the program's settings beside its main one, each a settings
// store of its own, found again by name: what the program keeps one of per
// item (a sequence each).
#include <memory>
#include <string>
#include <vector>

#include "platform/settings_store.h"

namespace mw {

class SettingsSections {
public:
    virtual ~SettingsSections() = default;
    // The names of the sections there are, in no set order.
    virtual std::vector<std::string> names() = 0;
    // The section of that name; it comes to exist with its first write.
    virtual std::unique_ptr<SettingsStore> open(const std::string& name) = 0;
    // Removes the section and every value in it; nothing when there is none.
    virtual void remove(const std::string& name) = 0;
};

}  // namespace mw
