#pragma once
// Creating the controls of a window from its control table.
#include "ui/twips.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRect>
#include <QString>

namespace lumo {

// A child control named `name` (its objectName, which tests find it by) at a
// rectangle given in twips.
template <class W> W* createControl(QWidget* parent, const QString& name, QRect twips)
{
    auto* w = new W(parent);
    w->setObjectName(name);
    setTwipsGeometry(w, twips.x(), twips.y(), twips.width(), twips.height());
    return w;
}

// A menu of the menu bar, named `name`.
inline QMenu* addNamedMenu(QMenuBar* bar, const char* name, const QString& caption)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

// A menu item named `name`; with a receiver, choosing it calls `handler` on it.
inline QAction* addNamedItem(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}
template <class Receiver, class Handler>
QAction* addNamedItem(QMenu* menu, const char* name, const QString& caption, Receiver* receiver, Handler handler)
{
    QAction* action = addNamedItem(menu, name, caption);
    QObject::connect(action, &QAction::triggered, receiver, handler);
    return action;
}

} // namespace lumo
