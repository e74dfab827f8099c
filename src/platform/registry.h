#pragma once
// The registry values the program writes for starting at logon.
#include <optional>
#include <string>

namespace mw {

enum class Hive { LocalMachine, CurrentUser };

class Registry {
public:
    virtual ~Registry() = default;
    // Each call opens the key, acts and closes it again. Writes return false
    // when the key could not be opened or the value not written; a string
    // write makes its key when it is missing.
    virtual bool setString(Hive hive, const std::string& keyPath, const std::string& name,
                           const std::string& data) = 0;
    // Raw bytes as a binary value (the startup-apps approval flags).
    virtual bool setBinary(Hive hive, const std::string& keyPath, const std::string& name,
                           const std::string& data) = 0;
    // Also true when there was no such value.
    virtual bool deleteValue(Hive hive, const std::string& keyPath, const std::string& name) = 0;
    virtual std::optional<std::string> getString(Hive hive, const std::string& keyPath,
                                                 const std::string& name) = 0;
    // Raw binary value (used for the startup-apps approval flags).
    virtual std::optional<std::string> getBinary(Hive hive, const std::string& keyPath,
                                                 const std::string& name) = 0;
};

}  // namespace mw
