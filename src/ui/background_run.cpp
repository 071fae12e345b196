#include "background_run.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <memory>

#include "input_blocker.h"

namespace velmora::ui {

void BackgroundRun::run(const BackgroundRequest& request) {
    running_ = true;
    blocker_.setActive(true);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    QEventLoop loop;
    std::unique_ptr<QThread> thread(QThread::create([this, work = request.work] {
        work();
        running_ = false;
    }));
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    std::unique_ptr<QProgressDialog> box;
    if (request.cancel) {
        box =
            std::make_unique<QProgressDialog>(request.boxText, request.cancelText, 0, 0, &window_);
        box->setObjectName("busyBox");
        box->setWindowModality(Qt::WindowModal);
        box->setAutoReset(false);
        box->setMinimumDuration(request.boxDelayMs);
        box->reset();
        std::atomic<bool>* cancel = request.cancel;
        QObject::connect(box.get(), &QProgressDialog::canceled, box.get(),
                         [cancel] { cancel->store(true); });
        QTimer::singleShot(request.boxDelayMs, box.get(), [b = box.get(), this] {
            if (running_) b->show();
        });
    }
    thread->start();
    loop.exec();
    thread->wait();
    if (box) box->hide();
    // Clicks and keys given meanwhile arrive now, into the blocker.
    QCoreApplication::processEvents();
    QApplication::restoreOverrideCursor();
    blocker_.setActive(false);
}

void BackgroundRun::finish() {
    while (running_)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace velmora::ui
