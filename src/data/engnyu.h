#pragma once
#include <QWidget>

namespace lumo {

// The word-entry window (being built).
class Engnyu : public QWidget {
    Q_OBJECT
public:
    explicit Engnyu(QWidget* parent = nullptr);
};

} // namespace lumo
