// The texts saving and loading show, and the dialogs' fixed properties.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "savefile/save_file_contents.h"

namespace velmora {

inline constexpr std::string_view kSaveWriteError = "Sorry - error writing save file ";
inline constexpr std::string_view kUnknownElement = "Unknown element in load file";
inline constexpr std::string_view kIncompatibleSaveFile =
    "This save file is not compatible with this version";

inline constexpr std::string_view kSaveDialogTitle = "Save Current Puzzle";
inline constexpr std::string_view kLoadDialogTitle = "Load a saved Puzzle";
inline constexpr std::string_view kSaveFileFilter =
    "Sudoku Velmora files (*.svl)|*.svl|All files|*.*";
// Load reads every format the program knows, so its dialog offers each.
inline constexpr std::string_view kLoadFileFilter =
    "All puzzle files|*.svl;*.txt;*.sdm;*.ss;*.sdk|Sudoku Velmora files (*.svl)|*.svl|"
    "One-line puzzles (*.txt *.sdm)|*.txt;*.sdm|Simple Sudoku (*.ss)|*.ss|"
    "SadMan Sudoku (*.sdk)|*.sdk|All files|*.*";
inline constexpr std::string_view kSaveFileExtension = "svl";
inline constexpr std::string_view kSavedFolder = "saved";

// A path as messages and the SaveFile line show it (UTF-8).
std::string pathText(const std::filesystem::path& path);

std::string cannotOpenMessage(const std::filesystem::path& path);
std::string tooLargeMessage(const std::filesystem::path& path);
// Why a file was refused: the incompatibility text alone, or the file, the line and the fault.
std::string refusedMessage(const std::string& fileName, const SaveReadResult& refused);

}  // namespace velmora
