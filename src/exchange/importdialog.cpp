#include "exchange/importdialog.h"

#include "base/aside.h"
#include "data/course.h"
#include "ui/fonts.h"
#include "ui/modules.h"
#include "ui/platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>
#include <future>

namespace lumo::exchange {

namespace {

constexpr int kProblemsListed = 200;

QString separatorName(QChar c)
{
    switch (c.unicode()) {
    case u',': return QStringLiteral("カンマ（,）");
    case u'\t': return QStringLiteral("タブ");
    case u';': return QStringLiteral("セミコロン（;）");
    case u'|': return QStringLiteral("縦線（|）");
    case u':': return QStringLiteral("コロン（:）");
    case u' ': return QStringLiteral("空白");
    default: return QString(c);
    }
}

} // namespace

QString namedCharacters(const QString& characters)
{
    QStringList named;
    for (const char32_t code : characters.toUcs4())
        named.append(QStringLiteral("「%1」(U+%2)")
                         .arg(QString::fromUcs4(&code, 1),
                              QString::number(static_cast<uint>(code), 16).toUpper().rightJustified(4, u'0')));
    return named.join(QStringLiteral("、"));
}

ImportDialog::ImportDialog(const QString& programFolder, const QString& sourcePath, QWidget* parent)
    : QDialog(parent), m_folder(programFolder), m_sourcePath(sourcePath)
{
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(QStringLiteral("単語リストの取り込み"));
    setFont(uiFont(Face::Gothic, 9));
    buildControls();
    m_courseName->setText(suggestCourseFileName(m_folder, m_sourcePath));
    m_sourceLabel->setText(QStringLiteral("ファイル：%1\n読み込んでいます…").arg(QFileInfo(m_sourcePath).fileName()));
    resize(760, 600);
    runAside<PreparedImport>(
        [path = m_sourcePath](ImportProgress& progress) {
            return loadImport(path, progress, [] {
                return std::unique_ptr<DeckReader>(createFromModule<DeckReader>({}, kDeckModule));
            });
        },
        [this](PreparedImport prepared) {
            if (!prepared.problem.isEmpty()) {
                dialogs().notice(parentWidget(), prepared.problem);
                reject();
                return;
            }
            showPrepared(std::move(prepared));
        });
}

ImportDialog::~ImportDialog()
{
    if (m_progress)
        m_progress->cancelled = true; // the work ends at its next look, before the dialog is gone
    discardAside(std::move(m_prepared));
}

void ImportDialog::discardAside(PreparedImport prepared)
{
    // A million rows take a quarter of a second to free: not on the window's thread.
    QThreadPool::globalInstance()->start(
        [doomed = std::make_shared<PreparedImport>(std::move(prepared))]() mutable { doomed.reset(); });
}

void ImportDialog::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    m_sourceLabel = new QLabel(this);
    m_sourceLabel->setObjectName(QStringLiteral("lbSource"));
    m_sourceLabel->setWordWrap(true);
    layout->addWidget(m_sourceLabel);

    auto* form = new QFormLayout;
    m_form = form;
    m_part = new QComboBox(this);
    m_part->setObjectName(QStringLiteral("cboPart"));
    form->addRow(QStringLiteral("デッキ・レッスン(&D)："), m_part);
    m_separator = new QComboBox(this);
    m_separator->setObjectName(QStringLiteral("cboSeparator"));
    for (const QChar c : {QChar(u','), QChar(u'\t'), QChar(u';')})
        m_separator->addItem(separatorName(c), c);
    form->addRow(QStringLiteral("区切り文字(&S)："), m_separator);
    m_english = new QComboBox(this);
    m_english->setObjectName(QStringLiteral("cboEnglish"));
    form->addRow(QStringLiteral("英語の列(&E)："), m_english);
    m_japanese = new QComboBox(this);
    m_japanese->setObjectName(QStringLiteral("cboJapanese"));
    form->addRow(QStringLiteral("日本語の列(&J)："), m_japanese);
    m_heading = new QCheckBox(QStringLiteral("1 行目は見出し（取り込まない）(&H)"), this);
    m_heading->setObjectName(QStringLiteral("chkHeading"));
    form->addRow(QString(), m_heading);
    layout->addLayout(form);

    m_preview = new QTableWidget(this);
    m_preview->setObjectName(QStringLiteral("tblPreview"));
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_preview, 1);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lbSummary"));
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);
    m_problems = new QPlainTextEdit(this);
    m_problems->setObjectName(QStringLiteral("txProblems"));
    m_problems->setReadOnly(true);
    m_problems->setMaximumHeight(90);
    layout->addWidget(m_problems);

    auto* nameForm = new QFormLayout;
    m_courseName = new QLineEdit(this);
    m_courseName->setObjectName(QStringLiteral("txCourseName"));
    nameForm->addRow(QStringLiteral("コースのファイル名(&N)："), m_courseName);
    layout->addLayout(nameForm);

    auto* buttons = new QDialogButtonBox(this);
    m_import = buttons->addButton(QStringLiteral("取り込む(&I)"), QDialogButtonBox::AcceptRole);
    m_import->setObjectName(QStringLiteral("cmdImport"));
    m_cancel = buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("pbProgress"));
    m_progressBar->setRange(0, 100);
    layout->addWidget(m_progressBar);
    layout->addWidget(buttons);
    m_progressTimer = new QTimer(this);
    m_progressTimer->setObjectName(QStringLiteral("tmProgress"));
    m_progressTimer->setInterval(30);

    connect(m_import, &QPushButton::clicked, this, &ImportDialog::importWords);
    connect(m_cancel, &QPushButton::clicked, this, &ImportDialog::cancel);
    connect(m_progressTimer, &QTimer::timeout, this, &ImportDialog::checkWork);
    connect(m_separator, &QComboBox::currentIndexChanged, this, &ImportDialog::splitAgain);
    connect(m_part, &QComboBox::currentIndexChanged, this, &ImportDialog::choosePart);
    for (QComboBox* box : {m_english, m_japanese})
        connect(box, &QComboBox::currentIndexChanged, this, &ImportDialog::planAgain);
    connect(m_heading, &QCheckBox::toggled, this, &ImportDialog::planAgain);
}

template <class Result>
void ImportDialog::runAside(std::function<Result(ImportProgress&)> work, std::function<void(Result)> then)
{
    auto progress = std::make_shared<ImportProgress>();
    m_progress = progress;
    auto result = std::make_shared<std::future<Result>>(
        startAside([work = std::move(work), progress] { return work(*progress); }));
    m_workEnded = [result] { return result->wait_for(std::chrono::seconds(0)) != std::future_status::timeout; };
    m_finishWork = [result, then = std::move(then)] { then(result->get()); };
    setBusy(true);
    m_progressTimer->start();
}

void ImportDialog::checkWork()
{
    if (m_progress)
        m_progressBar->setValue(m_progress->percent);
    if (!m_workEnded || !m_workEnded())
        return;
    // What the finished work leads to may start new work: take this one out first.
    const std::function<void()> finish = std::move(m_finishWork);
    m_workEnded = nullptr;
    m_finishWork = nullptr;
    m_progressTimer->stop();
    setBusy(false);
    finish();
}

void ImportDialog::setBusy(bool busy)
{
    for (QWidget* control : std::initializer_list<QWidget*>{m_part, m_separator, m_english, m_japanese, m_heading,
                                                            m_courseName, m_import, m_preview})
        control->setEnabled(!busy);
    if (m_prepared.book)
        m_separator->setEnabled(false);
    m_progressBar->setVisible(busy);
    if (busy)
        m_progressBar->setValue(0);
}

void ImportDialog::cancel()
{
    if (m_progress)
        m_progress->cancelled = true;
    m_progressTimer->stop();
    reject();
}

void ImportDialog::splitAgain()
{
    if (m_filling)
        return;
    const QChar separator = m_separator->currentData().toChar();
    runAside<PreparedImport>([source = m_prepared.source,
                              separator](ImportProgress& progress) { return splitImport(source, separator, progress); },
                             [this](PreparedImport prepared) { showPrepared(std::move(prepared)); });
}

void ImportDialog::choosePart()
{
    if (m_filling || !m_prepared.book)
        return;
    const int part = m_part->currentIndex();
    // A lesson or deck of its own becomes a course of its own.
    const QString base = QFileInfo(m_sourcePath).completeBaseName();
    QString partName = m_part->currentText();
    partName.replace(QStringLiteral(" ／ "), QStringLiteral("-"));
    m_courseName->setText(
        suggestCourseFileName(m_folder, part == 0 ? m_sourcePath : base + u'-' + partName + QStringLiteral(".dat")));
    runAside<PreparedImport>(
        [book = m_prepared.book, part](ImportProgress& progress) { return exchange::choosePart(book, part, progress); },
        [this](PreparedImport prepared) { showPrepared(std::move(prepared)); });
}

void ImportDialog::planAgain()
{
    if (m_filling)
        return;
    runAside<PreparedImport>(
        [from =
             PreparedImport{
                 m_prepared.source, m_prepared.book, m_prepared.part, m_prepared.table, {}, {}, {}, {}, false},
         columns = chosenColumns()](ImportProgress& progress) { return planWithColumns(from, columns, progress); },
        [this](PreparedImport prepared) { showPrepared(std::move(prepared)); });
}

void ImportDialog::showPrepared(PreparedImport prepared)
{
    std::swap(m_prepared, prepared);
    discardAside(std::move(prepared));
    const DelimitedTable& table = *m_prepared.table;
    m_filling = true;
    m_part->setVisible(m_prepared.book != nullptr);
    m_form->labelForField(m_part)->setVisible(m_prepared.book != nullptr);
    if (m_prepared.book && m_part->count() == 0)
        for (const DeckPart& part : m_prepared.book->parts)
            m_part->addItem(part.name);
    m_part->setCurrentIndex(m_prepared.part);
    m_separator->setEnabled(!m_prepared.book); // a deck file's own structure gives the fields
    int index = m_separator->findData(table.separator);
    if (index < 0) {
        m_separator->addItem(separatorName(table.separator), table.separator);
        index = m_separator->count() - 1;
    }
    m_separator->setCurrentIndex(index);
    fillColumnChoices();
    m_english->setCurrentIndex(m_prepared.columns.english);
    m_japanese->setCurrentIndex(m_prepared.columns.japanese);
    m_heading->setChecked(m_prepared.columns.firstRowIsHeading);
    m_filling = false;

    QString about;
    if (m_prepared.book) {
        about =
            QStringLiteral("ファイル：%1\n形式：%2").arg(QFileInfo(m_sourcePath).fileName(), m_prepared.book->format);
    } else {
        const DecodedSource& source = *m_prepared.source;
        about =
            QStringLiteral("ファイル：%1\n文字コード：%2　区切り文字：%3")
                .arg(QFileInfo(m_sourcePath).fileName(), encodingName(source.encoding), separatorName(table.separator));
        if (source.badBytes > 0)
            about += QStringLiteral("\n読めない文字が %1 か所あり、「\uFFFD」に置き換えました。").arg(source.badBytes);
    }
    m_sourceLabel->setText(about);
    showSummary();
    showPreview();
}

void ImportDialog::fillColumnChoices()
{
    const DelimitedTable& table = *m_prepared.table;
    m_english->clear();
    m_japanese->clear();
    const int columns = std::clamp(table.columnCount, 2, kPreviewColumns);
    for (int c = 0; c < columns; ++c) {
        QString name = QStringLiteral("%1 列目").arg(c + 1);
        if (c < table.columnNames.size() && !table.columnNames[c].trimmed().isEmpty())
            name += QStringLiteral("（%1）").arg(table.columnNames[c].trimmed());
        m_english->addItem(name);
        m_japanese->addItem(name);
    }
}

ColumnChoice ImportDialog::chosenColumns() const
{
    return {m_english->currentIndex(), m_japanese->currentIndex(), m_heading->isChecked()};
}

void ImportDialog::showSummary()
{
    const ImportPlan& plan = m_prepared.plan;
    const DelimitedTable& table = *m_prepared.table;
    QStringList summary{QStringLiteral("取り込む単語：%1 語").arg(plan.pairs.size())};
    if (plan.incomplete > 0)
        summary.append(QStringLiteral("英語か日本語のない行 %1 行は飛ばします。").arg(plan.incomplete));
    if (plan.commaInEnglish > 0)
        summary.append(QStringLiteral("英語にカンマ（,）を含む行 %1 行はコースに書けないため飛ばします。")
                           .arg(plan.commaInEnglish));
    if (plan.tooLong > 0)
        summary.append(QStringLiteral("%1 文字を超える行 %2 行はコースに書けないため飛ばします。")
                           .arg(kMaxLineLength)
                           .arg(plan.tooLong));
    if (table.columnCount > kPreviewColumns)
        summary.append(QStringLiteral("列が %1 列あります。表示して選べるのは最初の %2 列までです。")
                           .arg(table.columnCount)
                           .arg(kPreviewColumns));
    if (!table.unclosedQuoteLines.isEmpty()) {
        QStringList lines;
        for (const int line : table.unclosedQuoteLines)
            lines.append(QString::number(line));
        summary.append(
            QStringLiteral("引用符（\"）が閉じていない行があります（%1 行目）。その引用符は文字として読みました。")
                .arg(lines.join(QStringLiteral("、"))));
    }
    if (!plan.unstorable.empty())
        summary.append(QStringLiteral("シフト JIS で保存できない文字を含む行が %1 行あります（下の一覧）。")
                           .arg(plan.unstorable.size()));
    if (plan.pairs.size() > static_cast<size_t>(kMaxCoursePairs))
        summary.append(QStringLiteral("コースとして一度に読み込めるのは最初の %1 語までです。").arg(kMaxCoursePairs));
    m_summary->setText(summary.join(u'\n'));

    QStringList problems;
    for (const UnstorableLine& bad : plan.unstorable) {
        if (problems.size() == kProblemsListed) {
            problems.append(QStringLiteral("ほか %1 行").arg(plan.unstorable.size() - kProblemsListed));
            break;
        }
        problems.append(
            QStringLiteral("%1 行目（%2）：%3").arg(bad.line).arg(bad.english, namedCharacters(bad.characters)));
    }
    m_problems->setPlainText(problems.join(u'\n'));
    m_problems->setVisible(!problems.isEmpty());
}

void ImportDialog::showPreview()
{
    const ColumnChoice columns = m_prepared.columns;
    const int columnCount = m_english->count();
    const int rows = static_cast<int>(m_prepared.preview.size());
    m_preview->clear();
    m_preview->setColumnCount(columnCount);
    m_preview->setRowCount(rows);
    QStringList headers;
    for (int c = 0; c < columnCount; ++c) {
        QString header = m_english->itemText(c);
        if (c == columns.english)
            header += QStringLiteral("：英語");
        else if (c == columns.japanese)
            header += QStringLiteral("：日本語");
        headers.append(header);
    }
    m_preview->setHorizontalHeaderLabels(headers);
    QStringList lineNumbers;
    for (int r = 0; r < rows; ++r) {
        const QStringList& cells = m_prepared.preview[static_cast<size_t>(r)];
        lineNumbers.append(QString::number(m_prepared.table->rows[static_cast<size_t>(r)].line));
        for (int c = 0; c < cells.size() && c < columnCount; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (r == 0 && columns.firstRowIsHeading)
                item->setForeground(Qt::gray);
            m_preview->setItem(r, c, item);
        }
    }
    m_preview->setVerticalHeaderLabels(lineNumbers);
}

void ImportDialog::importWords()
{
    const ImportPlan& plan = m_prepared.plan;
    const QString name = m_courseName->text();
    const QString nameProblem = courseFileNameProblem(m_folder, name);
    if (!nameProblem.isEmpty()) {
        dialogs().notice(this, nameProblem);
        return;
    }
    if (plan.pairs.empty()) {
        dialogs().notice(this, QStringLiteral("取り込める単語がありません。列の選び方を確かめて下さい。"));
        return;
    }
    if (!plan.unstorable.empty()) {
        QStringList lines;
        for (const UnstorableLine& bad : plan.unstorable) {
            if (lines.size() == 10) {
                lines.append(QStringLiteral("ほか %1 行").arg(plan.unstorable.size() - 10));
                break;
            }
            lines.append(QStringLiteral("%1 行目：%2").arg(bad.line).arg(namedCharacters(bad.characters)));
        }
        const QString text =
            QStringLiteral("次の行にはシフト JIS で保存できない文字があります。\n%1\n\n"
                           "これらの行を飛ばして取り込みますか？\n（キャンセルすると何も書き込みません）")
                .arg(lines.join(u'\n'));
        if (!dialogs().confirm(this, text)) {
            reject();
            return;
        }
    }
    // A course of many words takes a while to encode and write: aside too.
    runAside<WriteResult>(
        // The plan stays as it is while the controls wait, and the dialog
        // outlives the work (its end is awaited when the dialog goes).
        [folder = m_folder, name, pairs = &plan.pairs](ImportProgress&) {
            return writeImportedCourse(folder, name, *pairs);
        },
        [this, name](WriteResult written) {
            if (!written.ok) {
                dialogs().notice(this, written.error);
                return;
            }
            emit imported(name, static_cast<int>(m_prepared.plan.pairs.size()));
            accept();
        });
}

} // namespace lumo::exchange
