#include "textart/fixed_face_pick.h"

#include "platform/ansi.h"
#include "textart/text_conversion.h"
#include "textart/text_file.h"

namespace glifora {

FixedFacePick TakeFixedFace(TextArtSession& session, const std::string& face, int sizePercent,
                            int screenWidth, int twipsPerPixel) {
    TextFont font = session.Font();
    font.FontName = face;
    session.ApplyFont(font);  // regular weight; ScanGlyphs and BuildLevelMap
    FixedFacePick pick;
    pick.fontPanel = FontPanelText(Utf8ToAnsi(face));
    pick.columnCount =
        ComputeColumnCount(sizePercent, screenWidth, session.Cell().width, twipsPerPixel);
    return pick;
}

}  // namespace glifora
