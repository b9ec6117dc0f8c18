#pragma once
// The headless command line makes Qt's application object (and with it the
// platform plugin and, on first use, fontconfig) only when something is about
// to use a font: most small jobs never need one, and making it is most of
// their start-up. Code that is about to use a QFont calls RequireGui().

namespace glifora {

// While one of these lives, RequireGui() makes a QGuiApplication the first
// time it is called, on the offscreen platform unless QT_QPA_PLATFORM names
// another (the constructor sets it); the application object goes when this
// does. At most one lives at a time, and only where no application object
// exists yet.
class GuiOnDemand {
  public:
    explicit GuiOnDemand(char* programName);
    ~GuiOnDemand();
    GuiOnDemand(const GuiOnDemand&) = delete;
    GuiOnDemand& operator=(const GuiOnDemand&) = delete;

    [[nodiscard]] bool Made() const;

  private:
    friend void RequireGui();
    struct State;
    State* state_;
};

// Makes sure an application object exists before a font is used. Does
// nothing where one already exists (the window, the tests) or where no
// GuiOnDemand lives.
void RequireGui();

}  // namespace glifora
