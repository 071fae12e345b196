// Conversion between the core's 0x00BBGGRR colours and QColor.
#pragma once

#include <QColor>

#include "model/colour.h"

namespace velmora::ui {

inline QColor toQColor(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

inline Colour fromQColor(const QColor& c) {
    return rgb(c.red(), c.green(), c.blue());
}

}  // namespace velmora::ui
