#pragma once
// Creating the controls of a window from its control table.
#include "ui/twips.h"

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

} // namespace lumo
