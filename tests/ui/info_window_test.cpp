// The info window: opened by "&Info", put away by "&OK", beside a main window that stays usable.

#include "shown_window.h"
#include "ui/qbl.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cstdlib>
#include <memory>

using quabbel::ui::qbl;

namespace {

// The client area is 5130 x 3090 twips, at 15 twips per pixel.
constexpr QSize client{342, 206};

const char* const labels[] = {"Label7", "Label1", "Label3(0)", "Label3(1)",
                              "Label2", "Label4", "Label5",    "Label6"};

QStringList label_texts(const QWidget& info) {
    QStringList texts;
    for (const char* name : labels) {
        texts << control<QLabel>(info, name)->text();
    }
    return texts;
}

// How many pixels of the area show this colour, give or take what smoothing the edges of the
// letters may change.
int pixels_of_colour(const QImage& image, const QRect& area, QColor colour) {
    const auto near = [](int a, int b) { return std::abs(a - b) <= 40; };
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += near(pixel.red(), colour.red()) && near(pixel.green(), colour.green()) &&
                             near(pixel.blue(), colour.blue())
                         ? 1
                         : 0;
        }
    }
    return count;
}

} // namespace

class InfoWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<qbl> window;

    // Chooses "&Info" in the main window and returns the info window once it is the active
    // window.
    QWidget* choose_info() const {
        if (!show_active(*window)) {
            return nullptr;
        }
        control<QAction>(*window, "info")->trigger();
        const QList<QWidget*> shown = windows_named("info_");
        if (shown.size() != 1 || !QTest::qWaitForWindowActive(shown[0])) {
            return nullptr;
        }
        return shown[0];
    }

private slots:
    void init() {
        window = std::make_unique<qbl>();
        QVERIFY(show_active(*window));
    }

    void cleanup() { window.reset(); }

    void theFirstInfoCreatesAWindowOfItsOwnWithTheFocusOnThePicture() {
        QVERIFY(windows_named("info_").isEmpty());
        QWidget* info = choose_info();
        QVERIFY(info);
        QVERIFY(info->isVisible());
        QVERIFY(!info->parentWidget());
        QVERIFY(!info->isModal());
        QCOMPARE(QApplication::focusWidget(), control(*info, "Picture1"));
        QCOMPARE(unnamed_for_screen_readers(*info), QStringList());
        QCOMPARE(accessible_text(*info, "Picture1", QAccessible::Name),
                 QStringLiteral("Spielsteine Q und U"));
    }

    void aSecondInfoLeavesExactlyOneWindow() {
        const QPointer<QWidget> first = choose_info();
        QVERIFY(first);
        QWidget* second = choose_info();
        QVERIFY(first);
        QVERIFY(second == first);
        QCOMPARE(windows_named("info_").size(), 1);
    }

    void isAFixedWindowWithCloseBoxAndLightBulb() {
        QWidget* info = choose_info();
        QVERIFY(info);
        QCOMPARE(info->windowTitle(), QStringLiteral("Info"));
        QCOMPARE(info->size(), client);
        QCOMPARE(info->minimumSize(), client);
        QCOMPARE(info->maximumSize(), client);
        const Qt::WindowFlags flags = info->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        const QList<QSize> icon_sizes = info->windowIcon().availableSizes();
        QVERIFY(icon_sizes.contains(QSize(16, 16)));
        QVERIFY(icon_sizes.contains(QSize(32, 32)));
        QVERIFY(info->windowIcon().cacheKey() != window->windowIcon().cacheKey());
    }

    void okHidesTheWindowAndInfoShowsItAgainWhereItWas_data() {
        QTest::addColumn<QString>("press");
        for (const char* press : {"click", "space on the button", "access key"}) {
            QTest::newRow(press) << QString::fromLatin1(press);
        }
    }

    void okHidesTheWindowAndInfoShowsItAgainWhereItWas() {
        QFETCH(QString, press);
        const QPointer<QWidget> info = choose_info();
        QVERIFY(info);
        info->move(150, 120);
        const QStringList texts = label_texts(*info);

        QWidget* button = control(*info, "Command1");
        if (press == QLatin1String("click")) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (press == QLatin1String("space on the button")) {
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, Qt::Key_Space);
        } else {
            QTest::keyClick(info, Qt::Key_O, Qt::AltModifier);
        }
        // The access key clicks after a short animation.
        QTRY_VERIFY(!info || !info->isVisible());
        QVERIFY(info);

        QWidget* again = choose_info();
        QVERIFY(again == info);
        QCOMPARE(info->pos(), QPoint(150, 120));
        QCOMPARE(label_texts(*info), texts);
        QCOMPARE(QApplication::focusWidget(), control(*info, "Picture1"));
    }

    void closingByTheCloseBoxAndInfoShowsItAgainWithTheSameContent() {
        QWidget* info = choose_info();
        QVERIFY(info);
        const QStringList texts = label_texts(*info);
        QVERIFY(info->close());
        QVERIFY(!info->isVisible());
        QVERIFY(window->isVisible());

        info = choose_info();
        QVERIFY(info);
        QCOMPARE(windows_named("info_").size(), 1);
        QCOMPARE(label_texts(*info), texts);
    }

    void enterAndEscDoNotPressTheButton() {
        QWidget* info = choose_info();
        QVERIFY(info);
        auto* button = control<QPushButton>(*info, "Command1");
        QSignalSpy clicks(button, &QPushButton::clicked);
        for (const char* focused : {"Picture1", "Command1"}) {
            control(*info, focused)->setFocus(Qt::TabFocusReason);
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
                QTest::keyClick(QApplication::focusWidget(), key);
                QVERIFY(info->isVisible());
            }
        }
        QCOMPARE(clicks.size(), 0);
    }

    void tabMovesBetweenThePictureAndTheButtonOnly() {
        QWidget* info = choose_info();
        QVERIFY(info);
        QWidget* picture = control(*info, "Picture1");
        QWidget* button = control(*info, "Command1");
        QTest::keyClick(picture, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button);
        QTest::keyClick(button, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), picture);
        QTest::keyClick(picture, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), button);
    }

    void theMainWindowTakesTypingWhileTheInfoWindowIsOpen() {
        QWidget* info = choose_info();
        QVERIFY(info);
        QVERIFY(show_active(*window));
        QWidget* box = control(*window, "B2(1)");
        QTest::mouseClick(box, Qt::LeftButton);
        type_text(box, QStringLiteral("q"));
        QCOMPARE(control<QListWidget>(*window, "List2")->count(), 1);
        QVERIFY(info->isVisible());
    }

    void showsTheFixedTexts() {
        QWidget* info = choose_info();
        QVERIFY(info);
        QCOMPARE(control<QLabel>(*info, "Label7")->text(), QStringLiteral("Stand vom 17.04.2007"));
        QCOMPARE(control<QLabel>(*info, "Label2")->text(), QStringLiteral("DANKE   DANKE   DANKE"));
        QCOMPARE(control<QLabel>(*info, "Label5")->text(),
                 QStringLiteral("Ich wünsche viel Spaß!"));
        QCOMPARE(control<QPushButton>(*info, "Command1")->text(), QStringLiteral("&OK"));
        const QString news = control<QLabel>(*info, "Label4")->text();
        QVERIFY(news.startsWith(
            QStringLiteral("In der 24. Auflage ist hüb wieder drin. Neu sind: SPA NET und TI (")));
        QVERIFY(news.endsWith(QLatin1Char(')')));
    }

    // Word-wrapped in its own font, no label's text needs more room than the label has.
    void everyLabelShowsItsWholeText_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : labels) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }

    void everyLabelShowsItsWholeText() {
        QFETCH(QString, name);
        QWidget* info = choose_info();
        QVERIFY(info);
        const auto* label = info->findChild<QLabel*>(name);
        QVERIFY(label);
        QVERIFY(!label->text().isEmpty());
        const QRect room = label->contentsRect();
        const QRect needed = label->fontMetrics().boundingRect(
            room, static_cast<int>(label->alignment()) | Qt::TextWordWrap, label->text());
        QVERIFY2(
            room.contains(needed),
            qPrintable(
                QStringLiteral("needs %1 x %2 pixels").arg(needed.width()).arg(needed.height())));
    }

    void drawsTheLabelsInTheirFontsAndColours() {
        QWidget* info = choose_info();
        QVERIFY(info);
        const QImage image = info->grab().toImage();
        // Each label's last row of pixels lies under the next one: they overlap by 15 twips.
        const auto area = [info](const char* name) {
            return control(*info, name)->geometry().adjusted(0, 0, 0, -1);
        };
        const QColor red(255, 0, 0);
        const QColor green(0, 128, 0);
        const QColor light_yellow(255, 255, 192);

        const QRect date = area("Label7");
        QCOMPARE(image.pixelColor(date.topLeft()), green);
        QCOMPARE(image.pixelColor(date.bottomRight()), green);
        QVERIFY(pixels_of_colour(image, date, light_yellow) > 0);
        for (const char* name : {"Label3(0)", "Label3(1)", "Label2"}) {
            QVERIFY2(pixels_of_colour(image, area(name), red) > 0, name);
        }
        for (const char* name : {"Label1", "Label4", "Label5", "Label6"}) {
            QVERIFY2(pixels_of_colour(image, area(name), red) == 0, name);
            QVERIFY2(pixels_of_colour(image, area(name), Qt::black) > 0, name);
        }

        const QFont date_font = control(*info, "Label7")->font();
        QCOMPARE(date_font.pointSizeF(), 13.5);
        QVERIFY(date_font.bold());
        QVERIFY(control(*info, "Label2")->font().bold());
        QCOMPARE(control(*info, "Label2")->font().pointSizeF(), 8.25);
        QVERIFY(!control(*info, "Label1")->font().bold());
        QCOMPARE(control(*info, "Label1")->font().pointSizeF(), 8.25);
    }
};

QTEST_MAIN(InfoWindowTest)
#include "info_window_test.moc"
