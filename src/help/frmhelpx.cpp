#include "help/frmhelpx.h"

namespace lumo {

FrmHelpX::FrmHelpX(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelpX"));
    setAttribute(Qt::WA_DeleteOnClose);
}

} // namespace lumo
