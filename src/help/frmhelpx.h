#pragma once
#include <QWidget>

namespace lumo {

// The help viewer (being built).
class FrmHelpX : public QWidget {
    Q_OBJECT
public:
    explicit FrmHelpX(QWidget* parent = nullptr);
};

} // namespace lumo
