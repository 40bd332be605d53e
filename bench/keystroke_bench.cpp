// One keystroke, end to end, on Qt's offscreen platform: a key press into a position box until
// its list holds the new words, and until the list has painted them. Each case types a
// lower-case letter, so the change handler runs twice, once nested in the other, for the
// letter with the largest list of its word length.
//
//   keystroke_bench [repetitions]

#include "bench/result_table.h"
#include "bench/sample.h"
#include "ui/start.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using quabbel::ui::qbl;

struct Keystroke {
    const char* box;
    char letter;
    const char* list;
    int words;
};

constexpr Keystroke keystrokes[] = {
    {"B2(2)", 'i', "List2", 11},
    {"B3(2)", 'a', "List3", 103},
    {"B4(2)", 'a', "List4", 574},
};

// Notes when a widget starts painting.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* widget) : widget_(widget) { widget_->installEventFilter(this); }
    ~PaintWatch() override { widget_->removeEventFilter(this); }

    // Handles events until the widget has painted and the paint has returned; false if it did
    // not paint within a second.
    bool wait() const {
        QElapsedTimer timer;
        timer.start();
        while (!painted_ && timer.elapsed() < 1000) {
            QCoreApplication::processEvents();
        }
        return painted_;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_ && event->type() == QEvent::Paint) {
            painted_ = true;
        }
        return false;
    }

private:
    QWidget* widget_;
    bool painted_ = false;
};

struct Timings {
    std::vector<double> filled;  // ms from the key press until the list holds the words
    std::vector<double> painted; // ms until the list has painted them
};

// Presses and releases the key; the window's handlers run inside.
void type(QLineEdit* box, char letter) {
    const auto key = static_cast<Qt::Key>(Qt::Key_A + (letter - 'a'));
    QTest::sendKeyEvent(QTest::Click, box, key, QString(QLatin1Char(letter)), Qt::NoModifier);
}

// Times one keystroke into a window in the results layout. False if the list did not end with
// the expected number of words or was not painted.
bool time_keystroke(const qbl& window, const Keystroke& keystroke, Timings& timings) {
    auto* box = window.findChild<QLineEdit*>(QLatin1String(keystroke.box));
    auto* list = window.findChild<QListWidget*>(QLatin1String(keystroke.list));
    PaintWatch watch(list->viewport());

    QElapsedTimer timer;
    timer.start();
    type(box, keystroke.letter);
    const qint64 filled = timer.nsecsElapsed();
    const bool complete = list->count() == keystroke.words;
    const bool painted = watch.wait();
    const qint64 shown = timer.nsecsElapsed();

    timings.filled.push_back(static_cast<double>(filled) / 1e6);
    timings.painted.push_back(static_cast<double>(shown) / 1e6);
    return complete && painted;
}

// Clears the box (its list empties) and lets the window settle before the next keystroke.
void settle(const qbl& window, const Keystroke& keystroke) {
    auto* box = window.findChild<QLineEdit*>(QLatin1String(keystroke.box));
    auto* list = window.findChild<QListWidget*>(QLatin1String(keystroke.list));
    PaintWatch watch(list->viewport());
    box->clear();
    watch.wait();
}

// The first keystroke of a run happens once, so only the worst case is its goal.
void print(const std::string& what, const Timings& timings, bool once = false) {
    using quabbel::bench::median;
    using quabbel::bench::milliseconds;
    using quabbel::bench::worst;
    const double filled_median = median(timings.filled);
    const double filled_worst = worst(timings.filled);
    quabbel::bench::print_row(
        {what, milliseconds(filled_median) + " median, " + milliseconds(filled_worst) + " worst",
         once ? "worst < 16 ms" : "< 2 ms, worst < 16 ms",
         (once || filled_median < 2) && filled_worst < 16});
    quabbel::bench::print_row({"  ... until painted",
                               milliseconds(median(timings.painted)) + " median, " +
                                   milliseconds(worst(timings.painted)) + " worst",
                               "", true});
}

std::string describe(const Keystroke& keystroke) {
    return std::string("keystroke \"") + keystroke.letter + "\" into " + keystroke.box + ", " +
           std::to_string(keystroke.words) + " words";
}

// The main window as the program starts it, once it is on the screen.
std::unique_ptr<qbl> shown_window() {
    auto window = quabbel::ui::start_main_window();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        std::abort();
    }
    return window;
}

QtMessageHandler pass_on = nullptr;

// The offscreen platform reports that it cannot pass on a fixed window size, once per window;
// the run has no use for that or for the notice about a missing runtime directory.
void drop_platform_notices(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (!message.contains(QLatin1String("propagateSizeHints")) &&
        !message.contains(QLatin1String("XDG_RUNTIME_DIR"))) {
        pass_on(type, context, message);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    pass_on = qInstallMessageHandler(drop_platform_notices);
    QApplication application(argc, argv);
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 31;
    bool all_complete = true;

    // The first keystroke also switches the window to its results layout.
    const Keystroke& largest = keystrokes[std::size(keystrokes) - 1];
    Timings first;
    for (int repetition = 0; repetition < repetitions; ++repetition) {
        const auto window = shown_window();
        QTest::qWait(10); // the window's first paint and layout, before the key lands
        all_complete &= time_keystroke(*window, largest, first);
    }
    print("first " + describe(largest), first, true);

    const auto window = shown_window();
    for (const Keystroke& keystroke : keystrokes) {
        window->findChild<QLineEdit*>(QLatin1String(keystroke.box))->setFocus();
        Timings timings;
        for (int repetition = 0; repetition < repetitions; ++repetition) {
            settle(*window, keystroke);
            all_complete &= time_keystroke(*window, keystroke, timings);
        }
        print(describe(keystroke), timings);
    }
    if (!all_complete) {
        std::fputs("a list did not hold the expected words or was not painted\n", stderr);
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
