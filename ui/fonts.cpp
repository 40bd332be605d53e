#include "ui/fonts.h"

#include <QFontInfo>
#include <QStringList>

namespace quabbel::ui {

namespace {

// On Windows, Microsoft Sans Serif: the scalable successor of MS Sans Serif with its metrics,
// on every Windows since 2000. MS Sans Serif itself is a bitmap face in a few sizes, which the
// toolkit cannot scale for screens above 96 dpi; under Wine it drew 8.25 pt with the 16-pixel
// size, too large for the labels. Wine lacks Microsoft Sans Serif and draws the bold of its own
// Tahoma as regular; it has the Linux program's face from the system.
//
// Elsewhere, Liberation Sans, which has the metrics of Arial and sets text about as wide and as
// high as MS Sans Serif, so every text keeps the room the windows give it, whichever sans the
// desktop prefers. Where it is missing, the desktop's sans stands in and fit_texts shrinks what
// would be cut. Named alone rather than as a substitute of MS Sans Serif or with substitutes
// of its own: either makes the toolkit load a second font engine, a twelfth of the start-up.
QStringList families() {
#ifdef Q_OS_WIN
    return {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans")};
#else
    return {QStringLiteral("Liberation Sans")};
#endif
}

} // namespace

QFont ms_sans_serif(qreal points, bool bold) {
    QFont font;
    font.setFamilies(families());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    // Unhinted, the glyphs are drawn straight from their outlines; the automatic hinter that
    // the font system would use otherwise costs about a twentieth of the program's start-up
    // (callgrind on bench/quabbel_window).
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

bool own_face_installed() {
    const QFont font = ms_sans_serif(8.25);
    return QFontInfo(font).family() == font.family();
}

} // namespace quabbel::ui
