#include "shell/product.h"

namespace mw {

std::string shortTitle(const std::string& title)
{
    std::string cut = title;
    do {
        const std::size_t blank = cut.rfind(' ');
        if (blank == std::string::npos) break;  // one word left: nothing more to cut
        cut.erase(blank);
    } while (cut.size() > 40);
    return cut;
}

}  // namespace mw
