#include "ui/platform.h"

#include "ui/filedialog.h"
#include "ui/modules.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPagedPaintDevice>
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
        return chooseFile(parent, title, shown, FileDialogPurpose::Save);
    }
    std::optional<QString> openFile(QWidget* parent, const QString& title, const QString& filter) override
    {
        return chooseFile(parent, title, filter, FileDialogPurpose::Open);
    }
};

// The real object of a module, made on first use; null when the module is
// missing or broken.
template <class T> class FromModule {
  public:
    FromModule(QString folder, const ModuleFile& module) : m_folder(std::move(folder)), m_module(module) {}
    T* get()
    {
        if (!m_loaded) {
            m_loaded = true;
            m_object.reset(createFromModule<T>(m_folder, m_module));
        }
        return m_object.get();
    }

  private:
    QString m_folder;
    ModuleFile m_module;
    bool m_loaded = false;
    std::unique_ptr<T> m_object;
};

// The real player lives in the lumo-sound module, loaded on the first sound;
// without it the program stays silent.
class SoundOnDemand final : public Sound {
  public:
    explicit SoundOnDemand(QString folder) : m_player(std::move(folder), kSoundModule) {}
    void play(const QString& wavPath) override
    {
        if (Sound* player = m_player.get())
            player->play(wavPath);
    }

  private:
    FromModule<Sound> m_player;
};

// The print dialog and the printers live in the lumo-print module, loaded on
// the first print; without it nothing can print.
class PrintingOnDemand final : public Printing {
  public:
    explicit PrintingOnDemand(QString folder) : m_printing(std::move(folder), kPrintModule) {}
    bool available() override
    {
        Printing* printing = m_printing.get();
        return printing && printing->available();
    }
    std::unique_ptr<QPagedPaintDevice> choosePrinter(QWidget* parent, const QPageLayout& layout,
                                                     const QString& title) override
    {
        Printing* printing = m_printing.get();
        return printing ? printing->choosePrinter(parent, layout, title) : nullptr;
    }

  private:
    FromModule<Printing> m_printing;
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
std::unique_ptr<Sound> soundFromModule(const QString& folder)
{
    return std::make_unique<SoundOnDemand>(folder);
}
std::unique_ptr<Printing> printingFromModule(const QString& folder)
{
    return std::make_unique<PrintingOnDemand>(folder);
}

Sound& Sound::real()
{
    static SoundOnDemand s{QString()};
    return s;
}
Shell& Shell::real()
{
    static DesktopShell s;
    return s;
}
Printing& Printing::real()
{
    static PrintingOnDemand p{QString()};
    return p;
}
Screen& Screen::real()
{
    static QtScreen s;
    return s;
}

} // namespace lumo
