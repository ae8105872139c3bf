// Form1: history files, options, help and the other windows, ending the program.
#include "quiz/form1.h"

#include "crossword/frmcross.h"
#include "data/engnyu.h"
#include "data/history.h"
#include "help/frmhelpx.h"
#include "typing/frmkeytre.h"
#include "ui/platform.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>

namespace lumo {
namespace {

// Shows the window held by `window`, creating it on first use; while it is
// open, later uses show the same one again.
template <class W> W* showOnce(QPointer<W>& window, QWidget* owner)
{
    if (!window)
        window = new W(owner);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace

void Form1::loadHistoryFile(const QString& name, int course)
{
    const QString path = programFolder + name;
    const WriteResult created = touchFile(path);
    if (!created.ok) {
        dialogs().notice(this, created.error);
        return;
    }
    const QString problem = FiOpen(path, course);
    if (!problem.isEmpty())
        dialogs().notice(this, problem);
}

void Form1::saveAndEnd()
{
    if (m_ending)
        return;
    m_ending = true;
    const HistorySaveResult saved = saveHistory(programFolder, richDatakioku->Text());
    if (!saved.ok())
        dialogs().notice(this, saved.message());
    for (QWidget* window : std::initializer_list<QWidget*>{keyTre, cross, wordEntry, help})
        if (window)
            window->close();
    close();
    QApplication::quit();
}

void Form1::closeEvent(QCloseEvent* event)
{
    saveAndEnd();
    event->accept();
}

void Form1::mnuMusic_Click()
{
    soundOn = !soundOn;
    mnuMusic->setChecked(soundOn);
}

void Form1::mnuHelpSimple_Click()
{
    showOnce(help, this)->showHelpText(programFolder + QStringLiteral("help.txt"));
}

void Form1::mnuHelpFull_Click()
{
    shell().open(programFolder + QStringLiteral("E-Help.htm"));
}

void Form1::CmdKeytre_Click()
{
    showOnce(keyTre, this);
}
void Form1::cmdCross_Click()
{
    showOnce(cross, this);
}
void Form1::NyuRyoku()
{
    showOnce(wordEntry, this);
}

} // namespace lumo
