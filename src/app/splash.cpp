#include "app/splash.h"

#include "ui/twips.h"

#include <QPainter>
#include <QSvgRenderer>

namespace lumo {

Form2::Form2(std::function<QWidget*()> loadMain, QWidget* parent) : QWidget(parent), m_loadMain(std::move(loadMain))
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString(38, u' ') + QStringLiteral("Lumo-English"));
    Form_Load();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);
    Timer1->start();
}

void Form2::Form_Load()
{
    sizeAndCentre(this, 6840, 4860);
}

void Form2::Timer1_Timer()
{
    ++m_ticks;
    if (m_ticks > 5 && !m_main)
        m_main = m_loadMain();
    if (m_ticks > 10 && !m_mainShown) {
        showMain();
        close();
    }
}

void Form2::showMain()
{
    m_mainShown = true;
    Timer1->stop();
    if (!m_main)
        m_main = m_loadMain();
    if (m_main) {
        m_main->show();
        m_main->activateWindow();
    }
}

void Form2::closeEvent(QCloseEvent* event)
{
    if (!m_mainShown)
        showMain();
    QWidget::closeEvent(event);
}

void Form2::paintEvent(QPaintEvent*)
{
    // Image1: the 449 × 298 picture at the top left.
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    QSvgRenderer picture(QStringLiteral(":/assets/splash.svg"));
    if (picture.isValid())
        picture.render(&painter, QRectF(0, 0, 449, 298));
}

} // namespace lumo
