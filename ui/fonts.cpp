#include "ui/fonts.h"

namespace quabbel::ui {

QFont ms_sans_serif(qreal points, bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    // Unhinted, the glyphs are drawn straight from their outlines; the automatic hinter that
    // the font system would use otherwise costs about a twentieth of the program's start-up
    // (callgrind on bench/quabbel_window).
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace quabbel::ui
