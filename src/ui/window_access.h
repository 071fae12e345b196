// The window for keyboard and screen-reader users: controls without a caption of their own are
// named by the label beside them, read-only boxes take no focus, and Tab goes from the grid
// through the command buttons in reading order, the check boxes, the difficulty and the element
// characters, the size options and the language list.
#pragma once

class QWidget;

namespace velmora::ui {

// Ties every option label to its control (as the label's buddy), names the statistics count
// boxes by their technique, and keeps read-only boxes out of the Tab order.
void labelControls(QWidget& window);

// Sets the Tab order; controls another version of the window lacks are left out.
void setReadingTabOrder(QWidget& window);

}  // namespace velmora::ui
