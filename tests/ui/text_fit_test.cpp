// Every text of both windows is whole in the font it is drawn with: for each label, button and
// box, the room its text needs against the part of the control that its window leaves visible.
// CTest runs this with the desktop's default sans set to several families, at several scale
// factors, and once without Liberation Sans; DESKTOP_SANS names the desktop's default sans and
// PROGRAM_SANS the face the windows must then be drawn with.

#include "shown_window.h"
#include "ui/fonts.h"
#include "ui/start.h"
#include "ui/text_fit.h"

#include <QAction>
#include <QFontInfo>
#include <QTest>

namespace {

bool at_design_size(const QFont& font) {
    return font.pointSizeF() == 8.25 || font.pointSizeF() == 9.75 || font.pointSizeF() == 13.5;
}

// One line for each control of the window, shown and with a text, whose text would be cut or
// had to be made smaller although the program's own face is there: only a face standing in for
// it may be drawn smaller than the windows ask for.
QStringList cut_texts(const QWidget& window) {
    QStringList faults;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const std::optional<QSize> needed = quabbel::ui::room_needed(*control);
        const QSize visible = quabbel::ui::visible_size(*control);
        if (!needed || !control->isVisible()) {
            continue;
        }
        if (quabbel::ui::own_face_installed() && !at_design_size(control->font())) {
            faults << QStringLiteral("%1 is drawn at %2 pt")
                          .arg(control->objectName())
                          .arg(control->font().pointSizeF());
        }
        if (needed->width() <= visible.width() && needed->height() <= visible.height()) {
            continue;
        }
        faults << QStringLiteral("%1 in %2 %3 needs %4 x %5 px, shows %6 x %7")
                      .arg(control->objectName(), QFontInfo(control->font()).family())
                      .arg(control->font().pointSizeF())
                      .arg(needed->width())
                      .arg(needed->height())
                      .arg(visible.width())
                      .arg(visible.height());
    }
    return faults;
}

} // namespace

class TextFitTest : public QObject {
    Q_OBJECT

private slots:
    // A fontconfig file that did not take would test nothing new.
    void theFontsAreTheOnesSet() {
        const QString desktop_sans = qEnvironmentVariable("DESKTOP_SANS");
        if (desktop_sans.isEmpty()) {
            QSKIP("run by CTest with DESKTOP_SANS and PROGRAM_SANS set");
        }
        QCOMPARE(QFontInfo(QFont(QStringLiteral("sans-serif"))).family(), desktop_sans);
        const QString program_sans = qEnvironmentVariable("PROGRAM_SANS");
        QCOMPARE(QFontInfo(quabbel::ui::ms_sans_serif(8.25)).family(), program_sans);
        QCOMPARE(QFontInfo(quabbel::ui::ms_sans_serif(9.75, true)).family(), program_sans);
    }

    void everyTextOfBothWindowsIsWhole() {
        const auto window = quabbel::ui::start_main_window();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QStringList faults = cut_texts(*window);
        type_text(control(*window, "B4(1)"), QStringLiteral("w"));
        faults << cut_texts(*window);
        control<QAction>(*window, "info")->trigger();
        const QList<QWidget*> info = windows_named("info_");
        QCOMPARE(info.size(), 1);
        QVERIFY(QTest::qWaitForWindowExposed(info[0]));
        faults << cut_texts(*info[0]);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("; "))));
    }
};

QTEST_MAIN(TextFitTest)
#include "text_fit_test.moc"
