#include "ui/fonts.h"

namespace quabbel::ui {

QFont ms_sans_serif(qreal points, bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace quabbel::ui
