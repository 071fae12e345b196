#include "commands/session_keeping.h"

#include <system_error>

#include "commands/commands.h"
#include "commands/save_commands.h"
#include "commands/workbench.h"
#include "savefile/save_file_io.h"
#include "savefile/save_install.h"
#include "savefile/save_messages.h"
#include "savefile/save_text_reader.h"
#include "savefile/save_text_writer.h"

namespace velmora {

bool keepSession(Workbench& wb, const std::filesystem::path& file) {
    std::error_code ec;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    const std::filesystem::path full = std::filesystem::absolute(file, ec);
    return writeFileAtomically(file,
                               writeSaveText(wb.pc(), pathText(ec ? file : full), wb.clock()));
}

bool restoreSession(Workbench& wb, const std::filesystem::path& file) {
    const FileBytes bytes = readSaveFileBytes(file);
    if (bytes.status != FileBytes::Status::Read) return false;
    const SaveReadResult read = readSaveText(bytes.bytes, loadDefaults(wb.pc()));
    if (!read.ok()) return false;
    FormControl& fc = wb.fControl();
    fc.Loading = true;
    installSaveFile(wb, read.contents);
    fc.Loading = false;
    fc.resetUndoStack();
    followLoadedPuzzle(wb);
    return true;
}

}  // namespace velmora
