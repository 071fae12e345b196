// The phase highlight and the command buttons' normal background.
#pragma once

#include <QApplication>
#include <QColor>
#include <QPalette>

namespace velmora::ui {

inline QColor phaseHighlightColour() {
    return QColor(255, 192, 192);
}

inline QColor normalButtonColour() {
    return QApplication::palette().color(QPalette::ToolTipBase);
}

}  // namespace velmora::ui
