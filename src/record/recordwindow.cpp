#include "record/recordwindow.h"

#include "base/aside.h"
#include "base/clock.h"
#include "base/programfolder.h"
#include "data/history.h"
#include "history/traininghistory.h"
#include "record/recordcharts.h"
#include "ui/fonts.h"
#include "ui/noticebar.h"
#include "ui/platform.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

namespace lumo {
namespace {

// A typing record up to this size is read at once; a longer one on a thread
// of its own.
constexpr qint64 kTypingBytesReadAtOnce = 256 * 1024;

QString percent(double share)
{
    return QString::number(qRound(share * 100)) + u'%';
}

QString shortDate(QDate d)
{
    return d.toString(QStringLiteral("M/d"));
}

std::vector<ChartPoint> dayPoints(const std::vector<DayCount>& days, bool months)
{
    std::vector<ChartPoint> points;
    for (const DayCount& d : days) {
        ChartPoint p;
        p.label = months ? QString::number(d.day.month()) + QStringLiteral("月") : shortDate(d.day);
        p.value = d.answers;
        p.share = d.words ? d.firstRightShare() : -1;
        const QString when =
            months ? d.day.toString(QStringLiteral("yyyy年M月")) : d.day.toString(QStringLiteral("yyyy/MM/dd"));
        p.detail = QStringLiteral("%1\n回答 %2 回（%3 語）").arg(when).arg(d.answers).arg(d.words);
        if (d.words)
            p.detail += QStringLiteral("\n一回目で正解 %1").arg(percent(d.firstRightShare()));
        points.push_back(p);
    }
    return points;
}

// The rows chosen in `table` (every row when none is).
std::vector<int> chosenRows(const QTableWidget* table)
{
    const QList<QTableWidgetItem*> selected = table->selectedItems();
    std::vector<int> rows;
    for (int row = 0; row < table->rowCount(); ++row)
        if (selected.isEmpty() ||
            std::any_of(selected.begin(), selected.end(), [row](auto* item) { return item->row() == row; }))
            rows.push_back(row);
    return rows;
}

void fillRow(QTableWidget* table, int row, const QStringList& cells)
{
    for (int column = 0; column < cells.size(); ++column)
        table->setItem(row, column, new QTableWidgetItem(cells[column]));
}

} // namespace

RecordWindow::RecordWindow(TrainingHistory& history, QWidget* parent) : QWidget(parent, Qt::Window), m_source(history)
{
    setObjectName(QStringLiteral("frmRecord"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("学習記録"));
    setFont(uiFont(Face::Gothic, 9));

    auto* layout = new QVBoxLayout(this);
    m_notice = new NoticeBar(this);
    m_notice->setObjectName(QStringLiteral("lbRecordNotice"));
    layout->addWidget(m_notice);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabsRecord"));
    tabs->setAccessibleName(QStringLiteral("学習記録のページ"));
    layout->addWidget(tabs);

    // Answers per day and per month.
    auto* daysPage = new QWidget(tabs);
    auto* daysLayout = new QVBoxLayout(daysPage);
    m_days =
        new BarChart(QStringLiteral("最近30日の回答数（棒）と一回目で正解した割合（線）"), QStringLiteral("回答数"));
    m_days->setObjectName(QStringLiteral("chartDays"));
    daysLayout->addWidget(chartPage(m_days, "cmdSaveDays"));
    m_months =
        new BarChart(QStringLiteral("最近12か月の回答数（棒）と一回目で正解した割合（線）"), QStringLiteral("回答数"));
    m_months->setObjectName(QStringLiteral("chartMonths"));
    daysLayout->addWidget(chartPage(m_months, "cmdSaveMonths"));
    tabs->addTab(daysPage, QStringLiteral("回答数(&A)"));

    // The calendar and the streaks.
    auto* calendarPage = new QWidget(tabs);
    auto* calendarLayout = new QVBoxLayout(calendarPage);
    m_streak = new QLabel(calendarPage);
    m_streak->setObjectName(QStringLiteral("lbStreak"));
    m_streak->setFont(uiFont(Face::Gothic, 11, true));
    calendarLayout->addWidget(m_streak);
    m_calendar = new CalendarChart;
    m_calendar->setObjectName(QStringLiteral("chartCalendar"));
    m_calendar->setMinimumHeight(170);
    m_calendar->setMaximumHeight(200);
    calendarLayout->addWidget(chartPage(m_calendar, "cmdSaveCalendar"));
    calendarLayout->addStretch();
    tabs->addTab(calendarPage, QStringLiteral("カレンダー(&C)"));

    // The words missed most.
    auto* missedPage = new QWidget(tabs);
    auto* missedLayout = new QVBoxLayout(missedPage);
    m_missed = new QTableWidget(0, 5, missedPage);
    m_missed->setObjectName(QStringLiteral("tableMissed"));
    m_missed->setHorizontalHeaderLabels({QStringLiteral("英語"), QStringLiteral("意味"), QStringLiteral("×の数"),
                                         QStringLiteral("最後の出題"), QStringLiteral("一回目で正解")});
    m_missed->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_missed->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_missed->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_missed->setAccessibleName(QStringLiteral("よく間違える単語"));
    missedLayout->addWidget(m_missed);
    auto* pick = new QPushButton(QStringLiteral("選んだ単語を問題にする(&P)"), missedPage);
    pick->setObjectName(QStringLiteral("cmdPickMissed"));
    pick->setToolTip(QStringLiteral("選んだ行の単語（選んでいなければ全部）を現在の問題として選択します"));
    pick->setAutoDefault(true); // Enter presses it as Space does
    connect(pick, &QPushButton::clicked, this, &RecordWindow::pickMissedWords);
    missedLayout->addWidget(pick, 0, Qt::AlignRight);
    tabs->addTab(missedPage, QStringLiteral("よく間違える単語(&W)"));

    // Typing: the tests over time and the keys.
    auto* typingPage = new QWidget(tabs);
    auto* typingLayout = new QVBoxLayout(typingPage);
    auto* levelRow = new QHBoxLayout;
    auto* levelLabel = new QLabel(QStringLiteral("テスト(&T):"), typingPage);
    m_testLevel = new QComboBox(typingPage);
    m_testLevel->setObjectName(QStringLiteral("cmbTestLevel"));
    m_testLevel->addItems({QStringLiteral("初級テスト"), QStringLiteral("中級テスト"), QStringLiteral("上級テスト")});
    levelLabel->setBuddy(m_testLevel);
    levelRow->addWidget(levelLabel);
    levelRow->addWidget(m_testLevel);
    levelRow->addStretch();
    typingLayout->addLayout(levelRow);
    m_testScores = new BarChart(QStringLiteral("一分間テストの得点"), QStringLiteral("得点"));
    m_testScores->setObjectName(QStringLiteral("chartTestScores"));
    typingLayout->addWidget(chartPage(m_testScores, "cmdSaveTestScores"));
    // The figure the trainer's result gives, by the same name.
    m_testSpeed = new BarChart(QStringLiteral("１０分あたりの入力字数（得点×１０）"), QStringLiteral("字"));
    m_testSpeed->setObjectName(QStringLiteral("chartTestSpeed"));
    typingLayout->addWidget(chartPage(m_testSpeed, "cmdSaveTestSpeed"));
    connect(m_testLevel, &QComboBox::currentIndexChanged, this, &RecordWindow::showTestLevel);
    tabs->addTab(typingPage, QStringLiteral("タイピングテスト(&Y)"));

    auto* keysPage = new QWidget(tabs);
    auto* keysLayout = new QVBoxLayout(keysPage);
    m_keys = new KeyboardChart;
    m_keys->setObjectName(QStringLiteral("chartKeys"));
    keysLayout->addWidget(chartPage(m_keys, "cmdSaveKeys"));
    m_worstKeys = new QLabel(keysPage);
    m_worstKeys->setObjectName(QStringLiteral("lbWorstKeys"));
    m_worstKeys->setWordWrap(true);
    keysLayout->addWidget(m_worstKeys);
    tabs->addTab(keysPage, QStringLiteral("苦手なキー(&K)"));
    tabs->addTab(sentencePage(), QStringLiteral("文の練習(&S)"));

    // Names for assistive technology: each chart by what it shows.
    const std::pair<QWidget*, QString> charts[] = {
        {m_days, QStringLiteral("最近30日の回答数のグラフ")},
        {m_months, QStringLiteral("最近12か月の回答数のグラフ")},
        {m_calendar, QStringLiteral("学習カレンダー")},
        {m_testScores, QStringLiteral("一分間テストの得点のグラフ")},
        {m_testSpeed, QStringLiteral("１０分あたりの入力字数のグラフ")},
        {m_keys, QStringLiteral("キーごとのミスの割合")},
        {m_sentenceDays, QStringLiteral("最近30日の練習した文の数のグラフ")},
    };
    for (const auto& [chart, name] : charts)
        chart->setAccessibleName(name);

    resize(640, 560);
    refresh();
}

// A chart with its save button under it.
QWidget* RecordWindow::chartPage(QWidget* chart, const char* saveName)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    chart->setParent(page);
    layout->addWidget(chart, 1);
    auto* save = new QPushButton(QStringLiteral("画像として保存..."), page);
    save->setObjectName(QString::fromLatin1(saveName));
    save->setAccessibleName(QStringLiteral("グラフを画像として保存"));
    save->setAutoDefault(true);
    connect(save, &QPushButton::clicked, this, [this, chart] { saveChart(chart); });
    layout->addWidget(save, 0, Qt::AlignRight);
    return page;
}

void RecordWindow::refresh()
{
    if (!m_source.isLoaded() || m_readingTyping)
        m_notice->showNotice(QStringLiteral("学習の記録を読み込んでいます…"));
    if (!std::exchange(m_waitingForHistory, true))
        m_source.whenLoaded(this, [this] {
            m_waitingForHistory = false;
            showHistory();
        });
    // A long typing record is read on another thread.
    const QString folder = programFolder();
    if (QFileInfo(folder + QString::fromUtf16(typing::kTypingRecordFile)).size() <= kTypingBytesReadAtOnce) {
        showTyping(loadTypingRecord(folder));
    } else if (!std::exchange(m_readingTyping, true)) {
        m_notice->showNotice(QStringLiteral("学習の記録を読み込んでいます…"));
        deliverAside(
            this, [folder] { return loadTypingRecord(folder); },
            [this](TypingRecordFile typing) {
                m_readingTyping = false;
                showTyping(std::move(typing));
            });
    }
    // So is a long sentence record.
    const QDate today = clock().today();
    if (QFileInfo(folder + QString::fromUtf16(kSentenceRecordFile)).size() <= kTypingBytesReadAtOnce) {
        showSentences(loadSentenceRecord(folder, today));
    } else if (!std::exchange(m_readingSentences, true)) {
        m_notice->showNotice(QStringLiteral("学習の記録を読み込んでいます…"));
        deliverAside(
            this, [folder, today] { return loadSentenceRecord(folder, today); },
            [this](SentenceRecordFile sentences) {
                m_readingSentences = false;
                showSentences(std::move(sentences));
            });
    }
}

void RecordWindow::showProblems()
{
    if (m_waitingForHistory || m_readingTyping || m_readingSentences)
        return;
    QStringList problems = m_source.problems();
    if (m_source.skippedLines() > 0)
        problems.append(skippedLinesMessage(QLatin1String(kTrainingFile), m_source.skippedLines()));
    m_notice->showNotice((problems + m_typingProblems + m_sentenceProblems).join(u'\n'));
}

void RecordWindow::showHistory()
{
    m_history = m_source.summary(clock().today());
    showProblems();
    m_days->setPoints(dayPoints(m_history.last30Days, false), QStringLiteral("一回目で正解"));
    m_months->setPoints(dayPoints(m_history.last12Months, true), QStringLiteral("一回目で正解"));
    std::vector<CalendarChart::Day> days;
    for (const DayCount& d : m_history.last365Days)
        days.push_back({d.day, d.answers});
    m_calendar->setDays(std::move(days));
    m_streak->setText(
        QStringLiteral("連続学習：今 %1 日　最長 %2 日").arg(m_history.currentStreak).arg(m_history.longestStreak));

    m_missed->setRowCount(int(m_history.mostMissed.size()));
    for (int row = 0; row < int(m_history.mostMissed.size()); ++row) {
        const MissedWord& w = m_history.mostMissed[row];
        fillRow(m_missed, row,
                {w.english, w.meaning, QString::number(w.misses), w.lastSeen.toString(QStringLiteral("yyyy/MM/dd")),
                 percent(w.firstRightRate())});
    }
    m_missed->resizeColumnToContents(0);
}

void RecordWindow::showTyping(TypingRecordFile typing)
{
    m_typing = std::move(typing.record);
    m_typingProblems = std::move(typing.problems);
    showProblems();
    std::map<QChar, KeyboardChart::Key> keys;
    for (const auto& [key, stats] : m_typing.keys)
        keys[key] = {stats.presses, stats.errors, stats.mostOftenInstead()};
    m_keys->setKeys(std::move(keys));
    const QString worst = typing::worstKeys(m_typing);
    if (worst.isEmpty()) {
        m_worstKeys->setText(QStringLiteral("苦手なキーはまだわかりません（キー入力練習をすると記録されます）。"));
    } else {
        QStringList lines;
        for (QChar key : worst) {
            const typing::KeyStats& stats = m_typing.keys.at(key);
            lines.append(QStringLiteral("「%1」ミス %2%　代わりに「%3」を押しがち")
                             .arg(key)
                             .arg(QString::number(stats.errorRate() * 100, 'f', 1))
                             .arg(stats.mostOftenInstead() == u' ' ? QStringLiteral("スペース")
                                                                   : QString(stats.mostOftenInstead())));
        }
        m_worstKeys->setText(QStringLiteral("苦手なキー：\n") + lines.join(u'\n'));
    }
    showTestLevel();
}

void RecordWindow::showTestLevel()
{
    std::vector<ChartPoint> scores, speeds;
    for (const TestPoint& t : testsOfLevel(m_typing, m_testLevel->currentIndex() + 1)) {
        const QString when = t.when.toString(QStringLiteral("yyyy/MM/dd HH:mm"));
        const QString detail =
            QStringLiteral("%1\n%2点\n１０分あたり%3字入力").arg(when).arg(t.score).arg(t.charactersPer10Minutes);
        // Every test is seen, a score below 0 or no characters too.
        scores.push_back({shortDate(t.when.date()), detail, double(t.score), -1, true});
        speeds.push_back({shortDate(t.when.date()), detail, double(t.charactersPer10Minutes), -1, true});
    }
    m_testScores->setPoints(std::move(scores));
    m_testSpeed->setPoints(std::move(speeds));
}

void RecordWindow::pickMissedWords()
{
    std::vector<std::pair<QString, QString>> words;
    for (int row : chosenRows(m_missed))
        if (row < int(m_history.mostMissed.size()))
            words.emplace_back(m_history.mostMissed[row].english, m_history.mostMissed[row].meaning);
    if (words.empty()) {
        m_notice->showNotice(QStringLiteral("まだ間違えた単語はありません。"));
        return;
    }
    emit wordsChosen(words);
}

// Sentence practice: sentences per day and the words most often wrong in them.
QWidget* RecordWindow::sentencePage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    m_sentenceDays = new BarChart(QStringLiteral("最近30日の練習した文の数（棒）と一回目で正解した割合（線）"),
                                  QStringLiteral("文の数"));
    m_sentenceDays->setObjectName(QStringLiteral("chartSentenceDays"));
    layout->addWidget(chartPage(m_sentenceDays, "cmdSaveSentenceDays"), 1);
    m_sentenceTotals = new QLabel(page);
    m_sentenceTotals->setObjectName(QStringLiteral("lbSentenceTotals"));
    m_sentenceTotals->setWordWrap(true);
    layout->addWidget(m_sentenceTotals);
    m_sentenceMissed = new QTableWidget(0, 4, page);
    m_sentenceMissed->setObjectName(QStringLiteral("tableSentenceMissed"));
    m_sentenceMissed->setHorizontalHeaderLabels(
        {QStringLiteral("英語"), QStringLiteral("意味"), QStringLiteral("間違えた回数"), QStringLiteral("最後の例文")});
    m_sentenceMissed->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_sentenceMissed->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_sentenceMissed->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    m_sentenceMissed->setAccessibleName(QStringLiteral("文の中でよく間違える単語"));
    layout->addWidget(m_sentenceMissed, 1);
    auto* pick = new QPushButton(QStringLiteral("選んだ単語を問題にする(&Q)"), page);
    pick->setObjectName(QStringLiteral("cmdPickSentenceMissed"));
    pick->setToolTip(
        QStringLiteral("選んだ行の単語（選んでいなければ全部）のうち、意味のわかるものを問題として選択します"));
    pick->setAutoDefault(true);
    connect(pick, &QPushButton::clicked, this, &RecordWindow::pickSentenceWords);
    layout->addWidget(pick, 0, Qt::AlignRight);
    return page;
}

void RecordWindow::showSentences(SentenceRecordFile sentences)
{
    m_sentences = std::move(sentences.summary);
    m_sentenceProblems = std::move(sentences.problems);
    showProblems();
    std::vector<ChartPoint> points;
    for (const SentenceDay& d : m_sentences.last30Days) {
        QString detail = QStringLiteral("%1\n練習した文 %2（判定 %3 回）")
                             .arg(d.day.toString(QStringLiteral("yyyy/MM/dd")))
                             .arg(d.sentences)
                             .arg(d.judgements);
        if (d.sentences)
            detail += QStringLiteral("\n一回目で正解 %1").arg(percent(d.firstRightShare()));
        points.push_back({shortDate(d.day), detail, double(d.sentences), d.sentences ? d.firstRightShare() : -1});
    }
    m_sentenceDays->setPoints(std::move(points), QStringLiteral("一回目で正解"));
    m_sentenceTotals->setText(
        m_sentences.sentences == 0
            ? QStringLiteral("文の練習の記録はまだありません（主画面の「実行」→「文の練習」で練習できます）。")
            : QStringLiteral("これまでに練習した文 %1　一回目で（ヒントなしで）正解 %2")
                  .arg(m_sentences.sentences)
                  .arg(percent(double(m_sentences.firstRight) / m_sentences.sentences)));
    m_sentenceMissed->setRowCount(int(m_sentences.mostMissed.size()));
    for (int row = 0; row < int(m_sentences.mostMissed.size()); ++row) {
        const SentenceMissedWord& w = m_sentences.mostMissed[row];
        fillRow(m_sentenceMissed, row,
                {w.word, w.meaning.isEmpty() ? QStringLiteral("（不明）") : w.meaning, QString::number(w.misses),
                 w.sentence});
    }
    m_sentenceMissed->resizeColumnToContents(0);
}

void RecordWindow::pickSentenceWords()
{
    std::vector<std::pair<QString, QString>> words;
    int withoutMeaning = 0;
    for (int row : chosenRows(m_sentenceMissed)) {
        if (row >= int(m_sentences.mostMissed.size()))
            continue;
        const SentenceMissedWord& w = m_sentences.mostMissed[row];
        if (w.meaning.isEmpty())
            ++withoutMeaning;
        else
            words.emplace_back(w.word, w.meaning);
    }
    if (words.empty()) {
        m_notice->showNotice(withoutMeaning > 0 ? QStringLiteral("選んだ単語は意味がわからないため、問題にできません。")
                                                : QStringLiteral("まだ文の中で間違えた単語はありません。"));
        return;
    }
    if (withoutMeaning > 0)
        m_notice->showNotice(QStringLiteral("意味のわからない %1 語は問題にしませんでした。").arg(withoutMeaning));
    emit wordsChosen(words);
}

void RecordWindow::saveChart(QWidget* chart)
{
    const std::optional<QString> path =
        dialogs().saveFile(this, QStringLiteral("グラフを画像として保存する"), QStringLiteral("PNG (*.png)"));
    if (!path || path->isEmpty())
        return;
    QString file = *path;
    if (!file.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        file += QLatin1String(".png");
    if (!savePng(chart, file))
        dialogs().notice(this, QStringLiteral("「%1」に画像を保存できませんでした。").arg(file));
}

} // namespace lumo
