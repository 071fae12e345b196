#include "gui_session.h"

#include <QGuiApplication>

namespace velmora::cli {

GuiSession::GuiSession() {
    if (QCoreApplication::instance()) return;
    // A platform the user named wins over ours.
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) argc_ = 1;
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

GuiSession::~GuiSession() = default;

}  // namespace velmora::cli
