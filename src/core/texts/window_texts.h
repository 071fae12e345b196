// The window's texts beyond its controls' captions: the menus, the accessible names of controls
// that show no caption, what a grid cell says to a screen reader, the keyboard help, the About
// box and the few words of long-running commands; in English, German and French.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "texts/language_tables.h"

namespace velmora {

// The menus and their entries, by control name ("mnuFile", "actLoad", ...); '&' marks the key
// that opens an entry with Alt. 0 English, 1 German, 2 French.
std::span<const ControlTexts> menuTable(int language);

// Accessible names of controls that show no caption of their own, by control name; the name is
// in the caption field.
std::span<const ControlTexts> accessibleNameTable(int language);

// Writes the menus' captions and the accessible names of `language` (English first, as
// applyLanguage does).
void applyWindowTexts(int language, NamedControls& controls);

// What a screen reader is told about one cell.
struct CellSpeech {
    std::string value;                    // the value's character (UTF-8); empty when open
    bool given = false;                   // the value is a given
    bool conflict = false;                // the cell shows a conflict
    bool candidatesShown = false;         // the open cell shows its candidates
    std::vector<std::string> candidates;  // those candidates' characters, in element order
    bool highlighted = false;             // it holds or lists the highlighted value
};

// "r3c7: 5", "r1c2: candidates 1 4 8", "r4c4: empty" and the like, rows and columns from 1.
std::string cellName(int row, int col, const CellSpeech& cell, int language);

// The keys of the grid, one per line, as the keyboard help lists them.
std::string gridKeysHelp(int language);

// The About box: program, version, what it is, the provider and its address.
std::string aboutText(int language, std::string_view version);

// Single words and sentences of the window.
enum class WindowText {
    KeyboardTitle,        // the keyboard help's title
    MenuCommands,         // heading of the list of menu commands in the keyboard help
    GridKeys,             // heading of the grid's keys in the keyboard help
    AboutTitle,           // the About box's title
    Working,              // the progress box of a long command
    Cancel,               // its button
    GenerationCancelled,  // status panel 1 after a cancelled Generate
    KeepFailed,           // question on exit when the puzzle could not be kept; the path follows
};

std::string windowText(WindowText id, int language);

}  // namespace velmora
