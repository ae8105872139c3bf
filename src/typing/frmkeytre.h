#pragma once
#include <QWidget>

namespace lumo {

// The typing trainer window (being built).
class FrmKeyTre : public QWidget {
    Q_OBJECT
public:
    explicit FrmKeyTre(QWidget* parent = nullptr);
};

} // namespace lumo
