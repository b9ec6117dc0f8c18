#pragma once
// The about box: name, version, what the program does, where to find it.
// It has no buttons; the window's close control closes it.

#include <QDialog>

namespace glifora {

inline constexpr const char* kProjectWeb = "https://glifora.example.org";
inline constexpr const char* kAuthorMail = "mailto:autor@glifora.example.org";

class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(QWidget* owner);
};

}  // namespace glifora
