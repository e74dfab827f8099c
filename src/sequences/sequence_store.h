#pragma once
// Sequences in the program's settings, one section each, every field a value
// of its own under the name the file uses for it.
#include <string>
#include <vector>

#include "platform/settings_sections.h"
#include "sequences/sequence.h"

namespace mw {

class SequenceStore {
public:
    explicit SequenceStore(SettingsSections& sections) : sections_(sections) {}
    // Every stored sequence, by name; one whose values do not pass the checks
    // (edited by hand) is left out.
    std::vector<Sequence> load();
    void save(const Sequence& sequence);
    void remove(const std::string& name);

private:
    SettingsSections& sections_;
};

}  // namespace mw
