#include "message_box_port.h"

#include <QMessageBox>

#include "program_title.h"

namespace velmora::ui {

void MessageBoxPort::information(const std::string& text) {
    const QString t = QString::fromStdString(text);
    if (answerer_) {
        answerer_(Kind::Information, t);
        return;
    }
    QMessageBox box(QMessageBox::Information, kProgramTitle, t, QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool MessageBoxPort::question(const std::string& text) {
    const QString t = QString::fromStdString(text);
    if (answerer_) return answerer_(Kind::Question, t);
    QMessageBox box(QMessageBox::Question, kProgramTitle, t, QMessageBox::Yes | QMessageBox::No,
                    parent_);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace velmora::ui
