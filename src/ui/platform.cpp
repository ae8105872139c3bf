#include "ui/platform.h"

#include "ui/soundmodule.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QUrl>

#include <memory>

namespace lumo {
namespace {

QMessageBox::StandardButton ask(QWidget* parent, const QString& text, const QString& title,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

class QtDialogs final : public Dialogs {
  public:
    void notice(QWidget* parent, const QString& text, const QString& title) override
    {
        ask(parent, text, title, QMessageBox::Ok, QMessageBox::Ok);
    }
    bool question(QWidget* parent, const QString& text, const QString& title) override
    {
        return ask(parent, text, title, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
    }
    bool confirm(QWidget* parent, const QString& text, const QString& title) override
    {
        return ask(parent, text, title, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
    }
    std::optional<QString> input(QWidget* parent, const QString& prompt, const QString& title,
                                 const QString& defaultText) override
    {
        bool ok = false;
        QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultText, &ok);
        if (!ok)
            return std::nullopt;
        return text;
    }
    std::optional<QString> saveFile(QWidget* parent, const QString& title, const QString& filter) override
    {
        // "*.*" means every file on Windows; here a name needs no dot.
        QString shown = filter;
        shown.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        const QString path =
            QFileDialog::getSaveFileName(parent, title, QString(), shown, nullptr, QFileDialog::DontConfirmOverwrite);
        if (path.isEmpty())
            return std::nullopt;
        return path;
    }
    std::optional<QString> openFile(QWidget* parent, const QString& title, const QString& filter) override
    {
        const QString path = QFileDialog::getOpenFileName(parent, title, QString(), filter);
        if (path.isEmpty())
            return std::nullopt;
        return path;
    }
};

class QtPrinting final : public Printing {
  public:
    bool choosePrinter(QWidget* parent, QPrinter& printer) override
    {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
};

// The real player lives in the lumo-sound module, loaded on the first sound.
class SoundOnDemand final : public Sound {
  public:
    void play(const QString& wavPath) override
    {
        if (!m_loaded) {
            m_loaded = true;
            m_player.reset(
                loadSoundModule(QCoreApplication::applicationDirPath() + u'/' + soundModuleFromExecutable()));
        }
        if (m_player)
            m_player->play(wavPath);
    }

  private:
    bool m_loaded = false;
    std::unique_ptr<Sound> m_player;
};

class DesktopShell final : public Shell {
  public:
    void open(const QString& path) override { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }
};

class QtScreen final : public Screen {
  public:
    QSize pixels() const override
    {
        const QScreen* s = QGuiApplication::primaryScreen();
        return s ? s->size() : QSize(1024, 768);
    }
};

} // namespace

Dialogs& Dialogs::real()
{
    static QtDialogs d;
    return d;
}
Sound& Sound::real()
{
    static SoundOnDemand s;
    return s;
}
Shell& Shell::real()
{
    static DesktopShell s;
    return s;
}
Printing& Printing::real()
{
    static QtPrinting p;
    return p;
}
Screen& Screen::real()
{
    static QtScreen s;
    return s;
}

} // namespace lumo
