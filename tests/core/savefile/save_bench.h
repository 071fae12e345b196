// A workbench whose window ports record what they are told, with a folder of its own for save
// files, for the save-file tests.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/quiet_ports.h"
#include "model/workbench.h"
#include "savefile/file_dialogs.h"

namespace velmora::test {

class RecordingMessages : public MessageBoxes {
  public:
    void information(const std::string& text) override { shown.push_back(text); }
    bool question(const std::string&) override { return true; }
    std::vector<std::string> shown;
};

class RecordingControls : public NamedControls {
  public:
    void setCaption(std::string_view control, const std::string& text) override {
        captions[std::string(control)] = text;
    }
    void setToolTip(std::string_view control, const std::string& text) override {
        toolTips[std::string(control)] = text;
    }
    std::map<std::string, std::string> captions;
    std::map<std::string, std::string> toolTips;
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

inline constexpr const char* kFixedTime = "06/12/2026 09:14:03";

struct SaveBench {
    FixedSettings settings;
    QuietStatusBar status;
    RecordingMessages messages;
    QuietGridView grid;
    QuietUndoButtons undo;
    RecordingControls controls;
    QuietFileDialogs dialogs;
    TempFolder folder;  // the program's folder; save files go to its "saved"
    std::unique_ptr<Workbench> wb;

    // Starts as the window does, with the box shape rows x cols selected.
    explicit SaveBench(int boxRows = 3, int boxCols = 3, std::uint64_t seed = 7);
    PuzzleControl& pc() { return wb->pc(); }
    scells& cells() { return wb->theCells(); }
    std::filesystem::path savedFolder() const { return folder.path() / "saved"; }
    // Enters `puzzle` ('.' empty, element characters otherwise) as givens on a new puzzle.
    void enterGivens(const std::string& puzzle);
    void save(const std::string& name);
    void load(const std::string& name);
};

std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);
std::string testData(const std::string& relative);

}  // namespace velmora::test
