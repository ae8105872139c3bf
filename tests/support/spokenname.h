#pragma once
// What a screen reader says a control is called: its accessible name as Qt's
// accessibility layer reports it (an explicit name, or else the caption the
// control shows now).
#include <QAccessible>
#include <QAccessibleInterface>
#include <QString>
#include <QWidget>

namespace lumo::test {

inline QString spokenName(const QWidget* control)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(control));
    return accessible ? accessible->text(QAccessible::Name).trimmed() : QString();
}

} // namespace lumo::test
