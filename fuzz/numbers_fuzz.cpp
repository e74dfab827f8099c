// The numeric test and the 16-bit conversion agree, and every number the
// conversion gives converts back from its own text to itself.
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/failure.h"
#include "shell/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const mw::LocaleFormat& locale : {mw::LocaleFormat{".", ",", ":"}, mw::LocaleFormat{",", ".", "."}}) {
        const bool numeric = mw::isNumeric(text, locale);
        try {
            const std::int16_t n = mw::toInteger16(text, locale);
            if (!numeric) __builtin_trap();  // converted what the test rejects
            if (mw::toInteger16(std::to_string(n), locale) != n) __builtin_trap();
        } catch (const mw::Failure& e) {
            const std::string what = e.what();
            if (numeric ? what != "Overflow" : what != "Type mismatch") __builtin_trap();
        }
    }
    if (size >= 4) {
        std::int32_t seconds = 0;
        std::memcpy(&seconds, data, 4);
        const std::string hms = mw::SecondsToHms(seconds, ":");
        if (hms.size() != 8 || hms[2] != ':' || hms[5] != ':' || hms.substr(0, 2) > "23") __builtin_trap();
    }
    return 0;
}
