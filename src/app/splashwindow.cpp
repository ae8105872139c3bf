#include "app/splashwindow.h"

#include "ui/twips.h"

#include <QPainter>
#include <QSvgRenderer>

namespace lumo {

SplashWindow::SplashWindow(std::function<QWidget*()> loadMain, QWidget* parent)
    : QWidget(parent), m_loadMain(std::move(loadMain))
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString(38, u' ') + QStringLiteral("Lumo-English"));
    sizeAndCentre(this, 6840, 4860);
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(200);
    connect(m_timer, &QTimer::timeout, this, &SplashWindow::countTick);
    m_timer->start();
}

void SplashWindow::countTick()
{
    ++m_ticks;
    if (m_ticks > 5 && !m_main)
        m_main = m_loadMain();
    if (m_ticks > 10 && !m_mainShown) {
        showMain();
        close();
    }
}

void SplashWindow::showMain()
{
    m_mainShown = true;
    m_timer->stop();
    if (!m_main)
        m_main = m_loadMain();
    if (m_main) {
        m_main->show();
        m_main->activateWindow();
    }
}

void SplashWindow::closeEvent(QCloseEvent* event)
{
    if (!m_mainShown)
        showMain();
    QWidget::closeEvent(event);
}

void SplashWindow::paintEvent(QPaintEvent*)
{
    // Image1: the 449 × 298 picture at the top left.
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    QSvgRenderer picture(QStringLiteral(":/assets/splash.svg"));
    if (picture.isValid())
        picture.render(&painter, QRectF(0, 0, 449, 298));
}

} // namespace lumo
