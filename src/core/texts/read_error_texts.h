// Why a text could not be read as puzzles, as a sentence in the user's language.
#pragma once

#include <string>

#include "formats/read_error.h"

namespace velmora {

// The error as a sentence in English, German (language 1) or French (language 2).
std::string readErrorMessage(const ReadError& error, int language);

}  // namespace velmora
