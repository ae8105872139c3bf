#include "exchange/importdialog.h"

#include "data/course.h"
#include "ui/fonts.h"
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
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace lumo::exchange {

namespace {

constexpr int kPreviewRows = 20;
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

ImportDialog::ImportDialog(const QString& programFolder, const QString& sourcePath, DecodedSource source,
                           QWidget* parent)
    : QDialog(parent), m_folder(programFolder), m_sourcePath(sourcePath), m_source(std::move(source))
{
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(QStringLiteral("単語リストの取り込み"));
    setFont(uiFont(Face::Gothic, 9));
    buildControls();
    readTable(std::nullopt);
    m_courseName->setText(suggestCourseFileName(m_folder, m_sourcePath));
    resize(760, 600);
}

void ImportDialog::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    m_sourceLabel = new QLabel(this);
    m_sourceLabel->setObjectName(QStringLiteral("lbSource"));
    m_sourceLabel->setWordWrap(true);
    layout->addWidget(m_sourceLabel);

    auto* form = new QFormLayout;
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
    layout->addWidget(buttons);

    connect(m_import, &QPushButton::clicked, this, &ImportDialog::importWords);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_separator, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            readTable(m_separator->currentData().toChar());
    });
    for (QComboBox* box : {m_english, m_japanese})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            if (!m_filling)
                replan();
        });
    connect(m_heading, &QCheckBox::toggled, this, [this] {
        if (!m_filling)
            replan();
    });
}

void ImportDialog::readTable(std::optional<QChar> separator)
{
    m_table = parseDelimited(m_source.text, separator);
    m_filling = true;
    int index = m_separator->findData(m_table.separator);
    if (index < 0) {
        m_separator->addItem(separatorName(m_table.separator), m_table.separator);
        index = m_separator->count() - 1;
    }
    m_separator->setCurrentIndex(index);
    fillColumnChoices();
    const ColumnChoice guess = guessColumns(m_table);
    m_english->setCurrentIndex(guess.english);
    m_japanese->setCurrentIndex(guess.japanese);
    m_heading->setChecked(guess.firstRowIsHeading);
    m_filling = false;

    QString about =
        QStringLiteral("ファイル：%1\n文字コード：%2　区切り文字：%3")
            .arg(QFileInfo(m_sourcePath).fileName(), encodingName(m_source.encoding), separatorName(m_table.separator));
    if (m_source.badBytes > 0)
        about += QStringLiteral("\n読めない文字が %1 か所あり、「\uFFFD」に置き換えました。").arg(m_source.badBytes);
    m_sourceLabel->setText(about);
    replan();
}

void ImportDialog::fillColumnChoices()
{
    m_english->clear();
    m_japanese->clear();
    const int columns = std::max(2, m_table.columnCount);
    for (int c = 0; c < columns; ++c) {
        QString name = QStringLiteral("%1 列目").arg(c + 1);
        if (c < m_table.columnNames.size() && !m_table.columnNames[c].trimmed().isEmpty())
            name += QStringLiteral("（%1）").arg(m_table.columnNames[c].trimmed());
        m_english->addItem(name);
        m_japanese->addItem(name);
    }
}

ColumnChoice ImportDialog::chosenColumns() const
{
    return {m_english->currentIndex(), m_japanese->currentIndex(), m_heading->isChecked()};
}

void ImportDialog::replan()
{
    m_plan = planImport(m_table, chosenColumns());
    QStringList summary{QStringLiteral("取り込む単語：%1 語").arg(m_plan.pairs.size())};
    if (m_plan.incomplete > 0)
        summary.append(QStringLiteral("英語か日本語のない行 %1 行は飛ばします。").arg(m_plan.incomplete));
    if (m_plan.commaInEnglish > 0)
        summary.append(QStringLiteral("英語にカンマ（,）を含む行 %1 行はコースに書けないため飛ばします。")
                           .arg(m_plan.commaInEnglish));
    if (!m_table.unclosedQuoteLines.isEmpty()) {
        QStringList lines;
        for (const int line : m_table.unclosedQuoteLines)
            lines.append(QString::number(line));
        summary.append(
            QStringLiteral("引用符（\"）が閉じていない行があります（%1 行目）。その引用符は文字として読みました。")
                .arg(lines.join(QStringLiteral("、"))));
    }
    if (!m_plan.unstorable.empty())
        summary.append(QStringLiteral("シフト JIS で保存できない文字を含む行が %1 行あります（下の一覧）。")
                           .arg(m_plan.unstorable.size()));
    if (m_plan.pairs.size() > static_cast<size_t>(kMaxCoursePairs))
        summary.append(QStringLiteral("コースとして一度に読み込めるのは最初の %1 語までです。").arg(kMaxCoursePairs));
    m_summary->setText(summary.join(u'\n'));

    QStringList problems;
    for (const UnstorableLine& bad : m_plan.unstorable) {
        if (problems.size() == kProblemsListed) {
            problems.append(QStringLiteral("ほか %1 行").arg(m_plan.unstorable.size() - kProblemsListed));
            break;
        }
        problems.append(
            QStringLiteral("%1 行目（%2）：%3").arg(bad.line).arg(bad.english, namedCharacters(bad.characters)));
    }
    m_problems->setPlainText(problems.join(u'\n'));
    m_problems->setVisible(!problems.isEmpty());
    showPreview();
}

void ImportDialog::showPreview()
{
    const ColumnChoice columns = chosenColumns();
    const int columnCount = std::max(2, m_table.columnCount);
    const int rows = static_cast<int>(std::min<size_t>(kPreviewRows, m_table.rows.size()));
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
        const SourceRow& row = m_table.rows[static_cast<size_t>(r)];
        lineNumbers.append(QString::number(row.line));
        for (int c = 0; c < row.fields.size() && c < columnCount; ++c) {
            auto* item = new QTableWidgetItem(plainField(row.fields[c], m_table.html));
            if (r == 0 && columns.firstRowIsHeading)
                item->setForeground(Qt::gray);
            m_preview->setItem(r, c, item);
        }
    }
    m_preview->setVerticalHeaderLabels(lineNumbers);
}

void ImportDialog::importWords()
{
    const QString name = m_courseName->text();
    const QString nameProblem = courseFileNameProblem(m_folder, name);
    if (!nameProblem.isEmpty()) {
        dialogs().notice(this, nameProblem);
        return;
    }
    if (m_plan.pairs.empty()) {
        dialogs().notice(this, QStringLiteral("取り込める単語がありません。列の選び方を確かめて下さい。"));
        return;
    }
    if (!m_plan.unstorable.empty()) {
        QStringList lines;
        for (const UnstorableLine& bad : m_plan.unstorable) {
            if (lines.size() == 10) {
                lines.append(QStringLiteral("ほか %1 行").arg(m_plan.unstorable.size() - 10));
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
    const WriteResult written = writeImportedCourse(m_folder, name, m_plan.pairs);
    if (!written.ok) {
        dialogs().notice(this, written.error);
        return;
    }
    emit imported(name, static_cast<int>(m_plan.pairs.size()));
    accept();
}

} // namespace lumo::exchange
