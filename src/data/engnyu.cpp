#include "data/engnyu.h"

namespace lumo {

Engnyu::Engnyu(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("engnyu"));
    setAttribute(Qt::WA_DeleteOnClose);
}

} // namespace lumo
