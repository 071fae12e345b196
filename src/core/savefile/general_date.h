// The current date and time as the save file writes it.
#pragma once

#include <ctime>
#include <string>

namespace velmora {

// Local time in the general date format, month first: "06/12/2026 09:14:03".
std::string generalDate(std::time_t when);
std::string generalDateNow();

}  // namespace velmora
