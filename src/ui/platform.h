#pragma once
// The platform layer: message boxes, the input box, the save dialog, sounds,
// the desktop shell, printing and the screen. Windows reach these only through the
// accessors below, so tests can put scripted stand-ins in place
// (ScopedSeam<Dialogs> and friends, see tests/support/fakes.h).

#include "base/seam.h"

#include <QSize>
#include <QString>

#include <memory>
#include <optional>

class QPageLayout;
class QPagedPaintDevice;
class QWidget;

namespace lumo {

// Title of message boxes that have none of their own.
inline const QString kAppTitle = QStringLiteral("Lumo-English");

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // OK only.
    virtual void notice(QWidget* parent, const QString& text, const QString& title = kAppTitle) = 0;
    // Yes / No; true for Yes.
    virtual bool question(QWidget* parent, const QString& text, const QString& title = kAppTitle) = 0;
    // OK / Cancel; true for OK.
    virtual bool confirm(QWidget* parent, const QString& text, const QString& title = kAppTitle) = 0;
    // A one-line input box; nullopt when cancelled.
    virtual std::optional<QString> input(QWidget* parent, const QString& prompt, const QString& title = kAppTitle,
                                         const QString& defaultText = {}) = 0;
    // The save dialog with one filter such as "All Files (*.*)" and no
    // overwrite prompt; the chosen full path, or nullopt when cancelled.
    virtual std::optional<QString> saveFile(QWidget* parent, const QString& title, const QString& filter) = 0;
    // The open dialog for an existing file; its full path, or nullopt when cancelled.
    virtual std::optional<QString> openFile(QWidget* parent, const QString& title, const QString& filter) = 0;
    static Dialogs& real();
};
inline Dialogs& dialogs()
{
    return Seam<Dialogs>::get();
}

// Fire-and-forget WAV playback; failures (no file, no device) are ignored.
class Sound {
  public:
    virtual ~Sound() = default;
    virtual void play(const QString& wavPath) = 0;
    static Sound& real();
};
inline Sound& sound()
{
    return Seam<Sound>::get();
}

// Opens a document in the desktop's viewer without waiting; failures ignored.
class Shell {
  public:
    virtual ~Shell() = default;
    virtual void open(const QString& path) = 0;
    static Shell& real();
};
inline Shell& shell()
{
    return Seam<Shell>::get();
}

// The system print dialog and the printers behind it. The real one is in the
// lumo-print module (ui/modules.h), loaded on the first print.
class Printing {
  public:
    virtual ~Printing() = default;
    // Whether this machine can print at all; the first call loads the
    // printer support.
    virtual bool available() = 0;
    // The learner chooses a printer and its settings for pages of `layout`;
    // the printer, ready for a document called `title` to be painted on, or
    // nullptr when they chose not to print (or nothing can print).
    virtual std::unique_ptr<QPagedPaintDevice> choosePrinter(QWidget* parent, const QPageLayout& layout,
                                                             const QString& title) = 0;
    static Printing& real();
};
inline Printing& printing()
{
    return Seam<Printing>::get();
}

// What the learner is told when this machine cannot print at all.
inline const QString kPrintingUnavailableText =
    QStringLiteral("印刷することができません（印刷の機能が見つかりません）。\n"
                   "「PDF に保存」で保存したファイルは、ほかのプログラムから印刷できます。");

// The size of the screen the windows centre themselves on, in pixels.
class Screen {
  public:
    virtual ~Screen() = default;
    virtual QSize pixels() const = 0;
    static Screen& real();
};
inline const Screen& screen()
{
    return Seam<Screen>::get();
}

} // namespace lumo
