#pragma once

#include <QObject>

namespace quabbel::bench {

// Ends the application's event loop once the first window has been painted for the first time,
// and prints that moment on the monotonic clock, in nanoseconds, as the only line of standard
// output; the process that started this one compares it with its own start time. Create it
// after the QApplication and before any window is shown.
class QuitAtFirstPaint : public QObject {
public:
    QuitAtFirstPaint();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool painted_ = false;
};

} // namespace quabbel::bench
