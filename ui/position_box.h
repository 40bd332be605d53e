#pragma once

#include <QLineEdit>

namespace quabbel::ui {

// A single-letter box: a line edit that shows its text centred, takes text of any length and
// reports when the player moves the focus into it.
class PositionBox : public QLineEdit {
    Q_OBJECT

public:
    PositionBox(const QString& name, QWidget* parent);

signals:
    // The focus came from another control of the same window (by mouse, Tab or a program),
    // not back from the menu bar, a closing menu or another window.
    void gotFocus();

protected:
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace quabbel::ui
