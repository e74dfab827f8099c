#pragma once
// Registry values for the start-at-logon entry.
#include <optional>

#include "platform/registry.h"
#include "platform/win32/windows_include.h"

namespace mw::win32 {

class Win32Registry final : public Registry {
public:
    bool setString(Hive hive, const std::string& keyPath, const std::string& name,
                   const std::string& data) override;
    bool setBinary(Hive hive, const std::string& keyPath, const std::string& name,
                   const std::string& data) override;
    bool deleteValue(Hive hive, const std::string& keyPath, const std::string& name) override;
    std::optional<std::string> getString(Hive hive, const std::string& keyPath, const std::string& name) override;
    std::optional<std::string> getBinary(Hive hive, const std::string& keyPath, const std::string& name) override;
};

}  // namespace mw::win32
