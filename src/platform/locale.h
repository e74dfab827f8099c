#pragma once
// The user's number and time formats.
#include <string>

namespace mw {

struct LocaleFormat {
    std::string decimalSeparator = ".";
    std::string thousandsSeparator = ",";
    std::string timeSeparator = ":";
};

class Locale {
public:
    virtual ~Locale() = default;
    virtual LocaleFormat format() = 0;
};

}  // namespace mw
