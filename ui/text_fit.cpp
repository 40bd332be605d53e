#include "ui/text_fit.h"

#include "ui/fonts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace quabbel::ui {

namespace {

// Below this a text is no longer legible; it stays cut rather than vanish.
constexpr qreal smallest_points = 5.0;
constexpr qreal step_points = 0.25;

// Every letter a box may show.
const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜÉ");

QSize needed_by(const QLabel& label) {
    const QSize around = label.size() - label.contentsRect().size();
    const QRect text = label.fontMetrics().boundingRect(
        QRect(0, 0, label.contentsRect().width(), QWIDGETSIZE_MAX),
        static_cast<int>(label.alignment()) | Qt::TextWordWrap, label.text());
    return {text.width() + around.width(), label.heightForWidth(label.width())};
}

// A box draws its letter inside its frame with a margin of two pixels on either side. Its size
// hint would not do for the width: it reserves the font's widest glyph, and some styles add
// the arrow button of a combo box.
QSize needed_by(const QLineEdit& box) {
    const QFontMetrics metrics = box.fontMetrics();
    int widest = 0;
    for (const QChar letter : letters) {
        widest = qMax(widest, metrics.horizontalAdvance(letter));
    }
    const int frame = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &box);
    return {widest + 2 * (frame + 2), box.minimumSizeHint().height()};
}

bool is_cut(const QWidget& control) {
    const std::optional<QSize> needed = room_needed(control);
    const QSize visible = visible_size(control);
    return needed && (needed->width() > visible.width() || needed->height() > visible.height());
}

} // namespace

std::optional<QSize> room_needed(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control);
        label && !label->text().isEmpty()) {
        return needed_by(*label);
    }
    if (const auto* box = qobject_cast<const QLineEdit*>(&control)) {
        return needed_by(*box);
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        return button->minimumSizeHint();
    }
    return std::nullopt;
}

QSize visible_size(const QWidget& control) {
    QRect visible = control.rect();
    QPoint offset;
    for (const QWidget* widget = &control; !widget->isWindow(); widget = widget->parentWidget()) {
        offset += widget->pos();
        visible &= widget->parentWidget()->rect().translated(-offset);
    }
    return visible.size();
}

void fit_texts(QWidget& window) {
    // The program's own face fits at the windows' sizes; only a stand-in needs measuring.
    if (own_face_installed()) {
        return;
    }
    for (QWidget* control : window.findChildren<QWidget*>()) {
        control->ensurePolished();
        QFont font = control->font();
        while (is_cut(*control) && font.pointSizeF() - step_points >= smallest_points) {
            font.setPointSizeF(font.pointSizeF() - step_points);
            control->setFont(font);
        }
    }
}

} // namespace quabbel::ui
