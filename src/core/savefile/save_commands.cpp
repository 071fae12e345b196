#include "savefile/save_commands.h"

#include "model/workbench.h"
#include "savefile/file_dialogs.h"
#include "savefile/save_file_io.h"
#include "savefile/save_install.h"
#include "savefile/save_messages.h"
#include "savefile/save_text_reader.h"
#include "savefile/save_text_writer.h"

namespace velmora {

namespace {

FileDialogRequest dialogSpec(FileDialogs& dialogs, std::string_view title, bool saving) {
    FileDialogRequest request;
    request.title = title;
    request.filter = kSaveFileFilter;
    request.defaultExtension = kSaveFileExtension;
    request.initialFolder = dialogs.programFolder() / kSavedFolder;
    request.confirmOverwrite = saving;
    return request;
}

// The file a command works on: "saved/<forcename>" in the program's folder, or the dialog's
// choice; nothing when the dialog was cancelled.
std::optional<std::filesystem::path> chooseFile(FileDialogs& dialogs, const std::string& forcename,
                                                bool saving) {
    if (!forcename.empty()) {
        return dialogs.programFolder() / kSavedFolder /
               std::filesystem::path(forcename).relative_path();
    }
    if (saving) return dialogs.saveFileName(dialogSpec(dialogs, kSaveDialogTitle, true));
    return dialogs.openFileName(dialogSpec(dialogs, kLoadDialogTitle, false));
}

}  // namespace

bool savePuzzle(Workbench& wb, const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(path, ec);
    if (ec) full = path;
    const std::string text = writeSaveText(wb.pc(), pathText(full), wb.fControl().clock());
    if (writeFileAtomically(path, text)) return true;
    wb.messages().information(std::string(kSaveWriteError) + pathText(full));
    return false;
}

bool loadPuzzle(Workbench& wb, const std::filesystem::path& path) {
    const FileBytes file = readSaveFileBytes(path);
    if (file.status == FileBytes::Status::CannotOpen) {
        wb.messages().information(cannotOpenMessage(path));
        return false;
    }
    if (file.status == FileBytes::Status::TooLarge) {
        wb.messages().information(tooLargeMessage(path));
        return false;
    }
    return loadPuzzleText(wb, file.bytes, pathText(path));
}

bool loadPuzzleText(Workbench& wb, std::string_view bytes, const std::string& fileName) {
    FormControl& fc = wb.fControl();
    fc.Loading = true;
    const SaveReadResult read = readSaveText(bytes, loadDefaults(wb));
    if (!read.ok()) {
        // One message: the unknown keys of a file that is not loaded do not matter.
        fc.Loading = false;
        wb.messages().information(refusedMessage(fileName, read));
        return false;
    }
    for (const std::string& key : read.unknownKeys)
        wb.messages().information(std::string(kUnknownElement) + key);
    installSaveFile(wb, read.contents);
    fc.Loading = false;
    // Entries from the previous grid must never be applied to this one.
    fc.resetUndoStack();
    return true;
}

void FormControl::fSave(std::string& forcename) {
    const auto path = chooseFile(fileDialogs(), forcename, true);
    if (path) savePuzzle(*module_, *path);
}

void FormControl::fload(std::string& forcename) {
    const auto path = chooseFile(fileDialogs(), forcename, false);
    if (path) loadPuzzle(*module_, *path);
}

}  // namespace velmora
