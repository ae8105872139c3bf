#pragma once
// The desktop's own widget style, with the two toolbar-extension arrows drawn
// in code. The stock ones are picture files whose loading probes every
// image-format plugin the system has; every menu bar asks for one when it is
// created, so the start-up would load them all for an arrow that is seldom
// shown.
#include <QProxyStyle>

namespace lumo {

class DesktopStyle final : public QProxyStyle {
  public:
    DesktopStyle() = default;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace lumo
