#pragma once
// The drawing tools: which tool and which character are current, and what a
// mouse event on the canvas does with them. The window hands its mouse events
// here and shows what comes back, so every rule of the tools is checked
// without a window.

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "editor/editor_document.h"
#include "editor/rubber_band.h"

namespace glifora {

enum class EditorTool { None, Freehand, Erase, Box, FilledBox, Fill };

struct EditorToolEntry {
    EditorTool tool;
    const char* key;  // the tool button's name
    const char* tip;
};

// The tool buttons, in their order on the tool bar.
inline constexpr std::array<EditorToolEntry, 5> kEditorTools = {{
    {EditorTool::Freehand, "Libre", "Dibujo libre"},
    {EditorTool::Erase, "Borrar", "Borrar"},
    {EditorTool::Box, "Caja", "Caja"},
    {EditorTool::FilledBox, "CajaR", "Caja rellena"},
    {EditorTool::Fill, "Rellenar", "Rellenar"},
}};

// The characters offered for painting: codes 31 to 127, in order.
inline constexpr int kFirstOfferedCode = 31;
inline constexpr int kLastOfferedCode = 127;

enum class MouseAction { Down, Move, Up };

class EditorTools {
  public:
    explicit EditorTools(EditorDocument& document) : document_(document), band_(document) {}

    // No tool is current until one is chosen; with none the mouse does nothing.
    void ChooseTool(EditorTool tool) { tool_ = tool; }
    [[nodiscard]] EditorTool Tool() const { return tool_; }
    // The character "Libre", "CajaR" and "Rellenar" paint (Windows-1252); empty
    // until one is chosen, and then painting wipes glyphs and empties cells.
    void ChooseCharacter(std::string character) { character_ = std::move(character); }
    [[nodiscard]] const std::string& Character() const { return character_; }
    [[nodiscard]] const RubberBand& Band() const { return band_; }

    // A mouse event at canvas pixel (x, y). `left` says whether the left
    // button is the one reported (for a move: among the buttons held).
    // Returns the status panel's new text when the event changes it.
    std::optional<std::string> Mouse(MouseAction action, bool left, double x, double y);

  private:
    void DriveBand(MouseAction action, bool left, double x, double y);

    EditorDocument& document_;
    RubberBand band_;
    EditorTool tool_ = EditorTool::None;
    std::string character_;
};

}  // namespace glifora
