// Runs a long command on a worker thread while the window keeps painting: the busy cursor shows,
// input aimed at the window is dropped, and where the command can be stopped a box with a Cancel
// button appears once it has taken a second. The call returns when the command has ended. The
// command reaches the window only through GuiThreadPorts.
#pragma once

#include <QString>
#include <atomic>
#include <functional>

class QWidget;

namespace velmora::ui {

class InputBlocker;

struct BackgroundRequest {
    std::function<void()> work;
    // Set when the user presses Cancel; null: the command cannot be stopped and no box shows.
    std::atomic<bool>* cancel = nullptr;
    QString boxText;
    QString cancelText;
    int boxDelayMs = 1000;
};

class BackgroundRun {
  public:
    BackgroundRun(QWidget& window, InputBlocker& blocker) : window_(window), blocker_(blocker) {}

    // Runs the request; returns once its work has ended (not re-entrant).
    void run(const BackgroundRequest& request);
    bool running() const { return running_.load(); }
    // Waits, taking the window's events, until the work under way has ended.
    void finish();

  private:
    QWidget& window_;
    InputBlocker& blocker_;
    std::atomic<bool> running_{false};
};

}  // namespace velmora::ui
