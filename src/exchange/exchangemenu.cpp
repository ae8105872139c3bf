#include "exchange/exchangemenu.h"

#include "exchange/importdialog.h"
#include "history/traininghistory.h"
#include "ui/platform.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

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
    const std::optional<QString> path =
        dialogs().openFile(m_window, QStringLiteral("単語リストの取り込み"),
                           QStringLiteral("単語リスト (*.csv *.tsv *.txt);;すべてのファイル (*)"));
    if (!path)
        return;
    const QString name = QFileInfo(*path).fileName();
    QFile file(*path);
    if (QFileInfo(*path).size() > kMaxTextFileBytes) {
        dialogs().notice(m_window, QStringLiteral("ファイル「%1」は大きすぎるため読み込めません。").arg(name));
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        dialogs().notice(m_window, QStringLiteral("ファイル「%1」を読み込めません。").arg(name));
        return;
    }
    DecodedSource source = decodeSource(file.readAll());
    if (source.binary) {
        dialogs().notice(m_window,
                         QStringLiteral("ファイル「%1」はテキストファイルではないため取り込めません。").arg(name));
        return;
    }
    if (parseDelimited(source.text).rows.empty()) {
        dialogs().notice(m_window, QStringLiteral("ファイル「%1」には取り込める行がありません。").arg(name));
        return;
    }
    auto* dialog = new ImportDialog(m_hooks.programFolder(), *path, std::move(source), m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &ImportDialog::imported, this, [this, dialog](const QString& course, int count) {
        m_hooks.courseAdded(course);
        QString text = QStringLiteral("コース「%1」に %2 語を取り込みました。").arg(course).arg(count);
        const ImportPlan& plan = dialog->plan();
        const int skipped = plan.incomplete + plan.commaInEnglish + static_cast<int>(plan.unstorable.size());
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
        dialogs().notice(m_window, readProblemMessage(file, path));
        return;
    }
    exportPairs(pairsOf(parseCourse(file.text, CourseFilter::All)), QStringLiteral("コース「%1」").arg(name));
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
            dialogs().notice(m_window, history.problems().join(u'\n'));
            return;
        }
        exportPairs(history.missedWords(), QStringLiteral("間違えた単語"));
    });
}

void WordExchange::exportPairs(const std::vector<WordPair>& pairs, const QString& what)
{
    if (pairs.empty()) {
        dialogs().notice(m_window, QStringLiteral("書き出す単語がありません。"));
        return;
    }
    std::optional<QString> path = dialogs().saveFile(m_window, QStringLiteral("単語リストの書き出し"),
                                                     QStringLiteral("タブ区切り・Anki 用 (*.txt);;CSV (*.csv)"));
    if (!path)
        return;
    if (QFileInfo(*path).suffix().isEmpty())
        *path += QStringLiteral(".txt");
    const WriteResult written = writeExport(*path, pairs, formatForPath(*path));
    if (!written.ok) {
        dialogs().notice(m_window, written.error);
        return;
    }
    dialogs().notice(m_window, QStringLiteral("%1の %2 語を「%3」に書き出しました。")
                                   .arg(what)
                                   .arg(pairs.size())
                                   .arg(QFileInfo(*path).fileName()));
}

} // namespace lumo::exchange
