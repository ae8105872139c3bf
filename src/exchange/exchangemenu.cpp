#include "exchange/exchangemenu.h"

#include "exchange/importdialog.h"
#include "history/traininghistory.h"
#include "ui/platform.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include <limits>

namespace lumo::exchange {

WordExchange::WordExchange(QWidget* window, QMenu* fileMenu, Hooks hooks)
    : QObject(window), m_window(window), m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("wordExchange"));
    fileMenu->addSeparator()->setObjectName(QStringLiteral("mnuS2"));
    auto item = [this, fileMenu](const char* name, const QString& caption, void (WordExchange::*handler)()) {
        QAction* action = fileMenu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
    };
    item("mnuImportWords", QStringLiteral("単語リストの取り込み(&I)"), &WordExchange::importWords);
    item("mnuExportCourse", QStringLiteral("コースの書き出し(&E)"), &WordExchange::exportCourse);
    item("mnuExportSelection", QStringLiteral("選択した問題の書き出し(&L)"), &WordExchange::exportSelection);
    item("mnuExportMissed", QStringLiteral("間違えた単語の書き出し(&W)"), &WordExchange::exportMissed);
}

void WordExchange::importWords()
{
    const std::optional<QString> path = dialogs().openFile(
        m_window, QStringLiteral("単語リストの取り込み"),
        QStringLiteral("単語リスト (*.csv *.tsv *.txt *.apkg *.colpkg *.kvtml);;すべてのファイル (*)"));
    if (!path)
        return;
    auto* dialog = new ImportDialog(m_hooks.programFolder(), *path, m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &ImportDialog::imported, this, [this, dialog](const QString& course, int count) {
        m_hooks.courseAdded(course);
        QString text = QStringLiteral("コース「%1」に %2 語を取り込みました。").arg(course).arg(count);
        const ImportPlan& plan = dialog->plan();
        const int skipped = plan.leftOut();
        if (skipped > 0)
            text += QStringLiteral("\n%1 行は取り込みませんでした。").arg(skipped);
        dialogs().notice(m_window, text);
    });
    dialog->open();
}

void WordExchange::exportCourse()
{
    const QString name = m_hooks.chosenCourse();
    const QString path = m_hooks.programFolder() + name;
    const TextFile file = readTextFile(path);
    if (!file.usable()) {
        m_hooks.showFileProblem(readProblemMessage(file, path));
        return;
    }
    // The whole file, not only the words one load of the course takes.
    const CourseLines course = parseCourse(file.text, CourseFilter::All, std::numeric_limits<int>::max());
    exportPairs(pairsOf(course), QStringLiteral("コース「%1」").arg(name), courseLinesLeftOut(course));
}

void WordExchange::exportSelection()
{
    exportPairs(m_hooks.selection(), QStringLiteral("選択した問題"));
}

void WordExchange::exportMissed()
{
    TrainingHistory& history = m_hooks.history();
    if (m_waitingForHistory)
        return;
    m_waitingForHistory = true;
    history.whenLoaded(this, [this, &history] {
        m_waitingForHistory = false;
        if (!history.problems().isEmpty()) {
            m_hooks.showFileProblem(history.problems().join(u'\n'));
            return;
        }
        exportPairs(history.missedWords(), QStringLiteral("間違えた単語"));
    });
}

void WordExchange::exportPairs(const std::vector<WordPair>& pairs, const QString& what, const QString& leftOut)
{
    if (pairs.empty()) {
        dialogs().notice(m_window, QStringLiteral("書き出す単語がありません。"));
        return;
    }
    std::optional<QString> path = dialogs().saveFile(
        m_window, QStringLiteral("単語リストの書き出し"),
        QStringLiteral("タブ区切り・Anki 用 (*.txt);;CSV (*.csv);;KVTML・KWordQuiz／Parley 用 (*.kvtml)"));
    if (!path)
        return;
    if (QFileInfo(*path).suffix().isEmpty())
        *path += QStringLiteral(".txt");
    const WriteResult written = writeExport(*path, pairs, formatForPath(*path));
    if (!written.ok) {
        dialogs().notice(m_window, written.error);
        return;
    }
    QString done = QStringLiteral("%1の %2 語を「%3」に書き出しました。")
                       .arg(what)
                       .arg(pairs.size())
                       .arg(QFileInfo(*path).fileName());
    if (!leftOut.isEmpty())
        done += u'\n' + leftOut;
    dialogs().notice(m_window, done);
}

} // namespace lumo::exchange
