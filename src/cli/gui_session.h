// The Qt application the book verb needs for its fonts, made only for that verb. It never opens a
// window, so it runs on Qt's offscreen platform unless QT_QPA_PLATFORM names another: a book can
// be written over ssh, in a container or from cron, with no display at all.
#pragma once

#include <memory>

class QGuiApplication;

namespace velmora::cli {

class GuiSession {
  public:
    // Uses the application that exists already (a test's), else makes one.
    GuiSession();
    GuiSession(const GuiSession&) = delete;
    GuiSession& operator=(const GuiSession&) = delete;
    ~GuiSession();

  private:
    // QGuiApplication keeps references to these for its whole life.
    int argc_ = 3;
    char name_[19] = "sudoku-velmora-cli";
    char option_[10] = "-platform";
    char platform_[10] = "offscreen";
    char* argv_[4] = {name_, option_, platform_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

}  // namespace velmora::cli
