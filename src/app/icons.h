#pragma once
// Toolbar icons: the desktop theme's where it has one, else drawn here.

#include <QIcon>

namespace glifora {

enum class IconKind {
    Open,
    Play,
    Save,
    Preview,
    Font,
    AsciiMode,
    WebMode,
    BorderTop,
    BorderBottom,
    BorderRight,
    BorderLeft,
    App
};

[[nodiscard]] QIcon ToolIcon(IconKind kind);

}  // namespace glifora
