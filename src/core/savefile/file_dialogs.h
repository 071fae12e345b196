// The file dialogs and the program's folder that saving and loading need from the platform.
//
// The window implements FileDialogs with real dialogs and hands it to the form controller
// (FormControl::setFileDialogs); until then the quiet stand-in below answers every dialog with
// Cancel, so the core never shows a dialog of its own.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace velmora {

// How a save or open dialog is to look.
struct FileDialogRequest {
    std::string title;                    // "Save Current Puzzle" or "Load a saved Puzzle"
    std::string filter;                   // display text, then pattern, for each entry
    std::string defaultExtension;         // "svl"
    std::filesystem::path initialFolder;  // the program's folder, then "saved"
    bool confirmOverwrite = false;        // save only: ask before replacing; no read-only box
};

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The folder that holds the program; saved puzzles live in its folder "saved".
    virtual std::filesystem::path programFolder() const = 0;
    // The chosen full path, or nothing when the user cancelled.
    virtual std::optional<std::filesystem::path> saveFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<std::filesystem::path> openFileName(const FileDialogRequest& request) = 0;
};

// Answers each dialog with `answer` (nothing = Cancel) and keeps the last request.
class QuietFileDialogs : public FileDialogs {
  public:
    std::filesystem::path programFolder() const override { return folder; }
    std::optional<std::filesystem::path> saveFileName(const FileDialogRequest& request) override {
        lastRequest = request;
        return answer;
    }
    std::optional<std::filesystem::path> openFileName(const FileDialogRequest& request) override {
        lastRequest = request;
        return answer;
    }

    std::filesystem::path folder = ".";
    std::optional<std::filesystem::path> answer;
    FileDialogRequest lastRequest;
};

}  // namespace velmora
