#include "platform/gui_on_demand.h"

#include <QGuiApplication>
#include <cstdlib>
#include <memory>

namespace glifora {

struct GuiOnDemand::State {
    int argc = 1;
    char* argv[2] = {nullptr, nullptr};
    std::unique_ptr<QGuiApplication> app;
};

namespace {
GuiOnDemand* active = nullptr;
}  // namespace

GuiOnDemand::GuiOnDemand(char* programName) : state_(new State) {
    state_->argv[0] = programName;
    active = this;
    // Headless: no window is ever shown, so no display is needed. Set now,
    // not when the object is made, so everything keyed by the platform sees
    // the same value whether or not a font is used.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) qputenv("QT_QPA_PLATFORM", "offscreen");
}

GuiOnDemand::~GuiOnDemand() {
    if (active == this) active = nullptr;
    delete state_;
}

bool GuiOnDemand::Made() const {
    return state_->app != nullptr;
}

void RequireGui() {
    if (active == nullptr || QCoreApplication::instance() != nullptr) return;
    active->state_->app =
        std::make_unique<QGuiApplication>(active->state_->argc, active->state_->argv);
}

}  // namespace glifora
