#pragma once
// The per-user settings store: string values addressed by key within the
// program's fixed application and section. No cache: a write is visible to the
// next read. A failing read or write raises a Failure in the caller.
#include <string>

namespace mw {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored value, or fallback when the key has never been written.
    virtual std::string read(const std::string& key, const std::string& fallback) = 0;
    virtual void write(const std::string& key, const std::string& value) = 0;
};

}  // namespace mw
