#include "savefile/general_date.h"

#include <array>

namespace velmora {

std::string generalDate(std::time_t when) {
    // The program has one thread, so the shared buffer of localtime is safe here.
    const std::tm* local = std::localtime(&when);
    if (!local) return {};
    std::array<char, 32> text{};
    const std::size_t length = std::strftime(text.data(), text.size(), "%m/%d/%Y %H:%M:%S", local);
    return std::string(text.data(), length);
}

std::string generalDateNow() {
    return generalDate(std::time(nullptr));
}

}  // namespace velmora
