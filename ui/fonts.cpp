#include "ui/fonts.h"

namespace quabbel::ui {

namespace {

// MS Sans Serif is a system font of Windows only. Elsewhere the windows use Liberation Sans,
// which has the metrics of Arial and sets text about as wide and as high as MS Sans Serif, so
// every text keeps the room the windows give it, whichever sans the desktop prefers. Where it
// is missing, the desktop's sans stands in and fit_texts shrinks what would be cut. Named
// directly rather than as a substitute of MS Sans Serif or with substitutes of its own: either
// makes the toolkit load a second font engine, a twelfth of the start-up.
QString family() {
#ifdef Q_OS_WIN
    return QStringLiteral("MS Sans Serif");
#else
    return QStringLiteral("Liberation Sans");
#endif
}

} // namespace

QFont ms_sans_serif(qreal points, bool bold) {
    QFont font(family());
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
