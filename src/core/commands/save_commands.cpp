#include "commands/save_commands.h"

#include "commands/commands.h"
#include "commands/exchange_commands.h"
#include "commands/language_choice.h"
#include "commands/workbench.h"
#include "elimination/candidates.h"
#include "elimination/grid_build.h"
#include "model/latin1.h"
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
    request.filter = saving ? kSaveFileFilter : kLoadFileFilter;
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
    const std::string text = writeSaveText(wb.pc(), pathText(full), wb.clock());
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
    const SaveReadResult read = readSaveText(bytes, loadDefaults(wb.pc()));
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
    followLoadedPuzzle(wb);
    return true;
}

void installSaveFile(Workbench& wb, const SaveFileContents& contents) {
    wb.replacePuzzleControl(loadedConfiguration(contents, wb.pc()));
    PuzzleControl& pc = wb.pc();
    installLoadedGrid(pc, contents);

    // The window's handlers may run while its options change, so the grid is complete first.
    LoadedOptions shown;
    shown.sizeOption = pc.sgValue;
    shown.language = pc.wLanguage;
    shown.simpleEliminationOnly = !pc.Experimental;
    shown.bruteForce = pc.guessingEnabled;
    shown.showPencilMarks = pc.Scribbling;
    shown.manualPencilMarks = pc.manualPencilMarks;
    wb.settings().showLoadedOptions(shown);
    setLanguage(wb);
    wb.settings().setElementsText(latin1ToUtf8(pc.sElements));

    // The technique switches are sized for N, so they are read for the new size before the
    // candidates are computed with them.
    readSubsetSwitches(pc);
    resetPossibilities(*pc.theCells);
    wb.gControl().refreshEntrygrid();
    wb.gControl().bUnloadGrid();
}

void fSave(Workbench& wb, const std::string& forcename) {
    const auto path = chooseFile(wb.fileDialogs(), forcename, true);
    if (path) savePuzzle(wb, *path);
}

void fload(Workbench& wb, const std::string& forcename) {
    const auto path = chooseFile(wb.fileDialogs(), forcename, false);
    if (path) openPuzzleFile(wb, *path);
}

}  // namespace velmora
