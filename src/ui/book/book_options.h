// How a puzzle book is printed.
#pragma once

#include <string>

#include "page_plan.h"

namespace velmora::book {

struct BookOptions {
    Paper paper = Paper::A4;
    int perPage = 4;
    bool solutions = false;
    bool candidates = false;  // each open cell lists the candidates its givens leave
    std::string title;        // UTF-8; empty for the default title
    int language = 0;         // 0 English, 1 German, 2 French
};

}  // namespace velmora::book
