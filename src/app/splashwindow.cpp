#include "app/splashwindow.h"

#include "app/splashpicture.h"
#include "ui/twips.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>

namespace lumo {

SplashWindow::SplashWindow(std::function<QWidget*()> loadMain, QWidget* parent)
    : QWidget(parent), m_loadMain(std::move(loadMain))
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString(38, u' ') + QStringLiteral("Lumo-English"));
    // The window is its picture: 6840 × 4860 twips with the frame and the
    // caption, which leaves 449 × 298 pixels inside.
    sizeAndCentre(this, kSplashPicture[0].width * kTwipsPerPixel, kSplashPicture[0].height * kTwipsPerPixel);
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
    // Image1: the 449 × 298 picture over the whole window. Its pixels are
    // unpacked for each paint (under a millisecond at ratio 1; the splash is
    // as a rule painted once) and let go straight after, rather than kept
    // while the main window loads.
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const qreal ratio = devicePixelRatioF();
    // At a ratio of 1 or 2 the pixels are drawn one to one, as drawn when the
    // program was built; at other ratios the larger picture is scaled.
    const PackedPicture& packed = kSplashPicture[ratio <= 1 ? 0 : 1];
    const QByteArray pixels = qUncompress(packed.data, static_cast<qsizetype>(packed.size));
    const qsizetype bytesPerLine = qsizetype(packed.width) * 4;
    if (pixels.size() != bytesPerLine * packed.height)
        return;
    QImage picture(reinterpret_cast<const uchar*>(pixels.constData()), packed.width, packed.height, bytesPerLine,
                   QImage::Format_RGB32);
    picture.setDevicePixelRatio(qreal(packed.width) / kSplashPicture[0].width);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QPointF(0, 0), picture);
}

} // namespace lumo
