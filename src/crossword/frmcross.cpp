#include "crossword/frmcross.h"

namespace lumo {

FrmCross::FrmCross(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmCross"));
    setAttribute(Qt::WA_DeleteOnClose);
}

} // namespace lumo
