// The window's ports as a command running on a worker thread may call them: every call is carried
// out on the window's own thread while the worker waits for it, so widgets and the grid control
// are only ever touched there and the worker's model is never read while it changes. Status texts
// are the exception: the worker does not wait for them, and of a quick run of texts for one panel
// only the last is shown. Called on the window's thread, every port is called directly.
#pragma once

#include <QObject>
#include <array>
#include <mutex>
#include <optional>

#include "model/ports.h"

namespace velmora::ui {

class GuiThreadPorts {
  public:
    // `context` lives on the window's thread; `real` are the ports to call there.
    GuiThreadPorts(QObject& context, const Ports& real);
    GuiThreadPorts(const GuiThreadPorts&) = delete;
    GuiThreadPorts& operator=(const GuiThreadPorts&) = delete;

    // The ports to give the workbench.
    Ports ports();
    // Shows the status texts still waiting; on the window's thread.
    void flushStatus();

  private:
    class Status : public StatusBar {
      public:
        explicit Status(GuiThreadPorts& owner) : owner_(owner) {}
        void setPanelText(Panel panel, const std::string& text) override;

      private:
        GuiThreadPorts& owner_;
    };
    class Messages : public MessageBoxes {
      public:
        explicit Messages(GuiThreadPorts& owner) : owner_(owner) {}
        void information(const std::string& text) override;
        bool question(const std::string& text) override;

      private:
        GuiThreadPorts& owner_;
    };
    class Grid : public GridView {
      public:
        explicit Grid(GuiThreadPorts& owner) : owner_(owner) {}
        void refreshEntrygrid() override;
        void bUnloadGrid() override;
        void setCursor(int row, int col) override;
        void beep() override;
        void setHighlight(GridHighlight highlight) override;

      private:
        GuiThreadPorts& owner_;
    };
    class Settings : public WindowSettings {
      public:
        explicit Settings(GuiThreadPorts& owner) : owner_(owner) {}
        int selectedSizeOption() const override;
        bool showPencilMarks() const override;
        bool subsetSwitch(int k) const override;
        bool grabsSwitch() const override;
        bool hiddenPairsSwitch() const override;
        bool bruteForce() const override;
        int difficulty() const override;
        void setElementsText(const std::string& text) override;
        void highlightPhase(Phase phase) override;
        void setShowPencilMarks(bool ticked) override;
        void setShowPencilMarksEnabled(bool enabled) override;
        void showManualPencilMarks(bool ticked) override;
        void showSizeOption(int index) override;
        void showLoadedOptions(const LoadedOptions& options) override;

      private:
        GuiThreadPorts& owner_;
    };
    class Undo : public UndoButtons {
      public:
        explicit Undo(GuiThreadPorts& owner) : owner_(owner) {}
        void setUndoEnabled(bool enabled) override;
        void setRedoEnabled(bool enabled) override;

      private:
        GuiThreadPorts& owner_;
    };
    class Controls : public NamedControls {
      public:
        explicit Controls(GuiThreadPorts& owner) : owner_(owner) {}
        void setCaption(std::string_view control, const std::string& text) override;
        void setToolTip(std::string_view control, const std::string& text) override;
        void setAccessibleName(std::string_view control, const std::string& text) override;

      private:
        GuiThreadPorts& owner_;
    };
    class Dialogs : public FileDialogs {
      public:
        explicit Dialogs(GuiThreadPorts& owner) : owner_(owner) {}
        std::filesystem::path programFolder() const override;
        std::optional<std::filesystem::path> saveFileName(const FileDialogRequest& r) override;
        std::optional<std::filesystem::path> openFileName(const FileDialogRequest& r) override;

      private:
        GuiThreadPorts& owner_;
    };
    class Explanation : public ExplanationPanel {
      public:
        explicit Explanation(GuiThreadPorts& owner) : owner_(owner) {}
        void showExplanation(const std::string& text) override;

      private:
        GuiThreadPorts& owner_;
    };

    // Runs `call` on the window's thread and returns its result.
    template <class Call>
    auto onWindowThread(Call call) const -> decltype(call());

    QObject& context_;
    Ports real_;
    Status status_{*this};
    Messages messages_{*this};
    Grid grid_{*this};
    Settings settings_{*this};
    Undo undo_{*this};
    Controls controls_{*this};
    Dialogs dialogs_{*this};
    Explanation explanation_{*this};

    std::mutex statusMutex_;
    std::array<std::optional<std::string>, 3> pendingStatus_;
    bool statusPosted_ = false;
};

}  // namespace velmora::ui
