#pragma once
#include <QWidget>

namespace lumo {

// The crossword window (being built).
class FrmCross : public QWidget {
    Q_OBJECT
public:
    explicit FrmCross(QWidget* parent = nullptr);
};

} // namespace lumo
