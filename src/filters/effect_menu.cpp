#include "filters/effect_menu.h"

#include <algorithm>
#include <string_view>

#include "filters/effect_catalogue.h"

namespace glifora {
namespace {

struct SubmenuSlot {
    std::string_view path;  // as the catalogue names it
    std::string_view name;
    std::string_view caption;
    int position;  // inside its parent submenu (top level: order under "Imagen")
};

constexpr SubmenuSlot kSubmenus[] = {
    {"Girar", "mnuGirar", "Girar", 1},
    {"Colores", "mnuColores", "Colores", 2},
    {"Colores/Blanco y negro", "mnuBlancoNegro", "Blanco y negro", 3},
    {"Colores/Intercambiar RGB", "mnuIntercambiarRGB", "Intercambiar RGB", 4},
    {"Intensidad", "mnuIntensidad", "Intensidad", 3},
    {"Bordes", "mnuBordes", "Bordes", 4},
    {"Efectos", "mnuEfectos", "Efectos", 5},
    {"Espejos", "mnuEspejos", "Espejos", 6},
};

struct GeometricEntry {
    std::string_view menu;
    int position;
    std::string_view name;
    std::string_view caption;
    GeometricOp op;
};

constexpr GeometricEntry kGeometric[] = {
    {"Girar", 1, "mnuHFlip", "Horizontalmente", GeometricOp::FlipHorizontal},
    {"Girar", 2, "mnuVFLip", "Verticalmente", GeometricOp::FlipVertical},
    {"Espejos", 1, "mnuEspejoDenI", "Reflejar parte derecha en la izquierda",
     GeometricOp::MirrorRightOntoLeft},
    {"Espejos", 2, "mnuEspejoIenD", "Reflejar parte izquierda en la derecha",
     GeometricOp::MirrorLeftOntoRight},
    {"Espejos", 3, "mnuEspejoBenA", "Reflejar parte inferior en la superior",
     GeometricOp::MirrorBottomOntoTop},
    {"Espejos", 4, "mnuEspejoAenB", "Reflejar parte superior en la inferior",
     GeometricOp::MirrorTopOntoBottom},
};

std::string_view ParentOf(std::string_view path) {
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string_view{} : path.substr(0, slash);
}

// The items of the submenu at `path`, sorted by position.
std::vector<ImageMenuItem> ItemsOf(std::string_view path) {
    std::vector<std::pair<int, ImageMenuItem>> placed;
    for (const SubmenuSlot& s : kSubmenus) {
        if (ParentOf(s.path) != path) continue;
        ImageMenuItem item;
        item.kind = ImageMenuItem::Kind::Submenu;
        item.name = s.name;
        item.caption = s.caption;
        item.children = ItemsOf(s.path);
        placed.emplace_back(s.position, std::move(item));
    }
    for (const Effect& e : EffectCatalogue()) {
        for (const EffectMenuEntry& m : e.entries) {
            if (m.menu != path) continue;
            ImageMenuItem item;
            item.kind = ImageMenuItem::Kind::Effect;
            item.name = m.name;
            item.index = m.index;
            item.caption = m.caption;
            item.code = e.code;
            item.parameter = m.parameter;
            placed.emplace_back(m.position, std::move(item));
        }
    }
    for (const GeometricEntry& g : kGeometric) {
        if (g.menu != path) continue;
        ImageMenuItem item;
        item.kind = ImageMenuItem::Kind::Geometric;
        item.name = g.name;
        item.caption = g.caption;
        item.op = g.op;
        placed.emplace_back(g.position, std::move(item));
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<ImageMenuItem> items;
    for (auto& p : placed) items.push_back(std::move(p.second));
    return items;
}

}  // namespace

std::vector<ImageMenuItem> ImageMenuModel() {
    return ItemsOf({});
}

}  // namespace glifora
