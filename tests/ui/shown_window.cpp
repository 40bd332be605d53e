#include "shown_window.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

QList<QWidget*> windows_named(const char* name) {
    QList<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name)) {
            windows << window;
        }
    }
    return windows;
}

bool show_active(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// The key codes of Latin-1 letters are the codes of their capitals.
void type_text(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        const auto key = static_cast<Qt::Key>(character.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(character), Qt::NoModifier);
    }
}

namespace {

bool is_used_by_the_player(QAccessible::Role role) {
    return role == QAccessible::EditableText || role == QAccessible::List ||
           role == QAccessible::Button || role == QAccessible::Graphic ||
           role == QAccessible::MenuItem || role == QAccessible::StaticText;
}

QStringList unnamed_under(QAccessibleInterface* parent) {
    QStringList unnamed;
    for (int index = 0; index < parent->childCount(); ++index) {
        QAccessibleInterface* child = parent->child(index);
        if (is_used_by_the_player(child->role()) &&
            child->text(QAccessible::Name).trimmed().isEmpty()) {
            unnamed << (child->object() ? child->object()->objectName() : QStringLiteral("?"));
        }
        unnamed << unnamed_under(child);
    }
    return unnamed;
}

} // namespace

QStringList unnamed_for_screen_readers(QWidget& window) {
    return unnamed_under(QAccessible::queryAccessibleInterface(&window));
}

QString accessible_text(const QWidget& window, const char* name, int kind) {
    return QAccessible::queryAccessibleInterface(control(window, name))
        ->text(static_cast<QAccessible::Text>(kind));
}

QStringList items(const QListWidget& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) {
        texts << list.item(row)->text();
    }
    return texts;
}
