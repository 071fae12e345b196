// Captions and tool tips of the main window's controls in English, German and French.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "model/ports.h"

namespace velmora {

// The control name under which the main window's title is written.
inline constexpr std::string_view kWindowTitleControl = "xSMainForm";

// One control's texts in one language.
struct ControlTexts {
    std::string_view control;
    std::string_view caption;
    // Empty when the language has no tool tip for the control; the control then keeps its own.
    std::optional<std::string_view> toolTip;
};

// The rows of a language in window order, one per control, the title included: 1 German,
// 2 French, every other value English.
std::span<const ControlTexts> languageTable(int language);

// Writes every English text, then for 1 every German text or for 2 every French text. English
// first means a switch of language never leaves a text of the previous language behind.
void applyLanguage(int wLanguage, NamedControls& controls);

}  // namespace velmora
