#include "sequences/sequence_store.h"

#include <algorithm>
#include <memory>

#include "main_window/repeat_options.h"

namespace mw {
namespace {

const char* onOff(bool on) { return on ? "On" : "Off"; }

}  // namespace

std::vector<Sequence> SequenceStore::load()
{
    std::vector<Sequence> sequences;
    for (const std::string& name : sections_.names()) {
        const std::unique_ptr<SettingsStore> section = sections_.open(name);
        Sequence s;
        s.name = name;
        s.keys = section->read("keys", "");
        s.oneKey = section->read("mode", "whole") == "key";
        s.target = {section->read("program", ""), section->read("title", ""), section->read("class", "")};
        s.hotkey = section->read("hotkey", "");
        s.on = section->read("on", "Off") == "On";
        s.background = section->read("background", "Off") == "On";
        bool usable = true;
        for (const SequenceNumber& number : kSequenceNumbers) {
            const auto value = wholeNumberIn(section->read(number.member, ""), number.min, number.max);
            usable &= value.has_value();
            if (value) s.*number.value = *value;
        }
        if (usable && !checkSequence(s, {})) sequences.push_back(std::move(s));
    }
    std::sort(sequences.begin(), sequences.end(),
              [](const Sequence& a, const Sequence& b) { return a.name < b.name; });
    return sequences;
}

void SequenceStore::save(const Sequence& s)
{
    const std::unique_ptr<SettingsStore> section = sections_.open(s.name);
    section->write("keys", s.keys);
    section->write("mode", s.oneKey ? "key" : "whole");
    section->write("program", s.target.program);
    section->write("title", s.target.title);
    section->write("class", s.target.windowClass);
    section->write("hotkey", s.hotkey);
    section->write("on", onOff(s.on));
    section->write("background", onOff(s.background));
    for (const SequenceNumber& number : kSequenceNumbers) section->write(number.member, std::to_string(s.*number.value));
}

void SequenceStore::remove(const std::string& name) { sections_.remove(name); }

}  // namespace mw
