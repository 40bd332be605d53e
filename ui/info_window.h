#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace quabbel::ui {

// The info window: the date of the word lists, where the words come from, what is new in this
// edition, a greeting and the makers' signature beside a small picture. It holds no state; its
// only button hides it, and showing it again brings back the same window at the same place.
class InfoWindow : public QWidget {
    Q_OBJECT

public:
    InfoWindow();

protected:
    // Every showing starts with the focus on the picture.
    void showEvent(QShowEvent* event) override;

private:
    void create_controls();
    void Command1_Click();

    QLabel* Picture1 = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace quabbel::ui
