#include "typing/frmkeytre.h"

namespace lumo {

FrmKeyTre::FrmKeyTre(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmKeyTre"));
    setAttribute(Qt::WA_DeleteOnClose);
}

} // namespace lumo
