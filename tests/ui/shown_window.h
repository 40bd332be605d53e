#pragma once

#include <QList>
#include <QListWidget>
#include <QString>
#include <QStringList>
#include <QWidget>

// Finds a control of a window by its object name, such as "B2(1)" or "List2".
template <typename Control = QWidget> Control* control(const QWidget& window, const char* name) {
    return window.findChild<Control*>(QLatin1String(name));
}

// The program's top-level windows with this object name, such as "info_", shown or hidden.
QList<QWidget*> windows_named(const char* name);

// Shows the window and waits until it is the active one, so that focus changes inside it raise
// focus events. False if it never became active.
bool show_active(QWidget& window);

// Presses and releases one key per character, umlauts and ß included, which QTest::keyClicks
// does not know.
void type_text(QWidget* widget, const QString& text);

// The texts of a list's items, top to bottom.
QStringList items(const QListWidget& list);

// The object names of the window's boxes, lists, buttons, pictures, texts and menu entries that
// have no name for screen readers, found through the toolkit's accessibility interface.
QStringList unnamed_for_screen_readers(QWidget& window);

// What screen readers call the control, or tell about it.
QString accessible_text(const QWidget& window, const char* name, int kind);
