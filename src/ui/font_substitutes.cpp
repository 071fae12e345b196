#include "font_substitutes.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace velmora::ui {

void installFontSubstitutes() {
    // Without this, a desktop may pick a calligraphic font for Comic Sans, hard to read in a cell.
    if (!QFontDatabase::hasFamily("Comic Sans MS")) {
        QFont::insertSubstitutions("Comic Sans MS", QStringList() << "Comic Neue"
                                                                  << "Comic Relief"
                                                                  << "URW Gothic"
                                                                  << "DejaVu Sans");
    }
    if (!QFontDatabase::hasFamily("tahoma")) {
        QFont::insertSubstitutions("tahoma", QStringList() << "Verdana"
                                                           << "DejaVu Sans"
                                                           << "Liberation Sans");
    }
}

}  // namespace velmora::ui
