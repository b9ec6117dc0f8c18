#pragma once
// The standard dialogs and message boxes, behind one interface. Windows get an
// implementation injected (QtDialogs in the program, a scripted double in
// tests), so every command can be driven without a real dialog.

#include <array>
#include <string>
#include <vector>

#include "platform/raster.h"

namespace glifora {

// One entry of a filter text "description|pattern;pattern|...".
struct FilterEntry {
    std::string description;
    std::vector<std::string> patterns;  // may be empty ("*.txt" alone gives none)
};

// Filter preparation: a missing final "|" is added, then the text splits into
// description/pattern pairs.
[[nodiscard]] std::vector<FilterEntry> PrepareFilter(const std::string& filter);

enum class MessageIcon { None, Information, Warning, Stop };

// What the font dialog returns: `face` empty when cancelled. Heights are in
// pixels as the dialog's logical-font record holds them (negative: em height).
struct FontRequest {
    std::string face;
    int height = 0;
    bool italic = false;
    int minPoints = 4;
    int maxPoints = 36;
    int points = 0;  // the size to open on; 0: from height
};
struct FontChoice {
    std::string face;
    int height = 0;
    bool bold = false;
    bool italic = false;
    int points = 0;  // the size chosen; 0: from height
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // Paths and texts are UTF-8. An empty result means cancelled.
    virtual std::string ShowOpenDialog(const std::string& filter, const std::string& title,
                                       const std::string& initialFolder) = 0;
    // Asks before overwriting an existing file and before creating a new one;
    // adds `defaultExtension` to a name typed without one.
    virtual std::string ShowSaveDialog(const std::string& filter, const std::string& title,
                                       const std::string& initialFolder,
                                       const std::string& defaultExtension) = 0;
    // The chosen colour, or -1 when cancelled. Confirming stores the dialog's
    // custom colours back into CustomColors(); cancelling keeps them.
    virtual ColorValue ShowColorDialog() = 0;
    // Title "Seleccione la carpeta donde están los bmp"; empty when cancelled.
    virtual std::string BrowseForFolder() = 0;
    virtual FontChoice ChooseFont(const FontRequest& request) = 0;

    // A question with Yes and No and the information icon; true for Yes.
    // An empty title shows the program's name.
    virtual bool AskYesNo(const std::string& text, const std::string& title = {}) = 0;
    // A notice with an OK button.
    virtual void ShowMessage(const std::string& text, const std::string& title = {},
                             MessageIcon icon = MessageIcon::Information) = 0;

    // Sixteen custom colours kept for the run; black at start-up.
    std::array<ColorValue, 16>& CustomColors() { return customColors_; }

  private:
    std::array<ColorValue, 16> customColors_{};
};

inline constexpr const char* kProgramName = "Glifora";

// The message shown (title kProgramName) when a text or page could not be written.
[[nodiscard]] inline std::string SaveFailedMessage(const std::string& path) {
    return "No se ha podido guardar el archivo\n" + path;
}

}  // namespace glifora
