#include "sentence/sentencewindow.h"

#include "base/clock.h"
#include "base/programfolder.h"
#include "ui/fonts.h"
#include "ui/noticebar.h"
#include "ui/speech.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

namespace lumo {
namespace {

const QString kNoDictation =
    QStringLiteral("音声を出力できないため、ディクテーションは使えません（和文英訳は使えます）。");
const QString kLoadingPrompt = QStringLiteral("例文を読み込んでいます…");
const QString kListenPrompt = QStringLiteral("聞こえた英文を入力して下さい（「発音」でもう一度聞けます）");

QStringList englishOf(const WordList& words)
{
    QStringList english;
    for (const WordPair& w : words)
        english.append(w.english);
    return english;
}

QString span(const QString& text, const char* style)
{
    return QStringLiteral("<span style=\"%1\">%2</span>").arg(QLatin1String(style), text.toHtmlEscaped());
}

// A wrong word letter by letter: the typed one beside the right one.
QString lettersHtml(const AnswerComparison& comparison)
{
    const ComparisonHtml letters = comparisonLettersHtml(comparison);
    return QStringLiteral("%1　→　%2").arg(letters.typed, letters.right);
}

} // namespace

QString sentenceJudgementHtml(const SentenceJudgement& judgement)
{
    QStringList sentence;
    QStringList details;
    for (const JudgedWord& word : judgement.words) {
        switch (word.verdict) {
        case WordVerdict::Right: sentence.append(word.typed.toHtmlEscaped()); break;
        case WordVerdict::Wrong:
            sentence.append(span(word.typed, "color:#e00000; text-decoration:line-through") + QStringLiteral("→") +
                            span(word.right, "color:#0000ff; font-weight:bold"));
            details.append(lettersHtml(word.letters));
            break;
        case WordVerdict::Missing:
            sentence.append(span(QStringLiteral("[") + word.right + u']',
                                 "color:#0000ff; font-weight:bold; text-decoration:underline"));
            break;
        case WordVerdict::Extra:
            sentence.append(span(word.typed, "color:#e00000; text-decoration:line-through"));
            break;
        }
    }
    QString html = QStringLiteral("<span style=\"font-family:'Liberation Mono','IPAGothic',monospace\">%1")
                       .arg(sentence.join(u' '));
    for (const QString& line : details)
        html += QStringLiteral("<br>") + line;
    return html + QStringLiteral("</span>");
}

SentenceWindow::SentenceWindow(const QString& exampleText, SentenceSources sources, QWidget* parent)
    : QWidget(parent, Qt::Window), m_sources(std::move(sources))
{
    setObjectName(QStringLiteral("frmSentence"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("文の練習"));
    setFont(uiFont(Face::Gothic, 10));
    m_writer.setMaxThreadCount(1);
    buildControls();
    // A hundred thousand sentences take a while to index: the window shows
    // at once and the practice starts when they are ready.
    m_prompt->setText(kLoadingPrompt);
    showNextSentence();
    QPointer<SentenceWindow> window(this);
    QThreadPool::globalInstance()->start([exampleText, window] {
        auto bank = std::make_shared<SentenceBank>(readSentencePairs(exampleText));
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [window, bank] {
                if (!window)
                    return;
                window->m_bank = std::move(*bank);
                window->m_loaded = true;
                window->chooseFirstSource();
            },
            Qt::QueuedConnection);
    });
    // Starting the voice may take a moment too.
    QTimer::singleShot(0, this, &SentenceWindow::checkSpeech);
}

SentenceWindow::~SentenceWindow()
{
    m_writer.waitForDone();
}

void SentenceWindow::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    m_notice = new NoticeBar(this);
    m_notice->setObjectName(QStringLiteral("lbSentenceNotice"));
    layout->addWidget(m_notice);

    auto* top = new QHBoxLayout;
    m_dictation = new QRadioButton(QStringLiteral("ディクテーション(&D)"), this);
    m_dictation->setObjectName(QStringLiteral("optDictation"));
    m_translation = new QRadioButton(QStringLiteral("和文英訳(&T)"), this);
    m_translation->setObjectName(QStringLiteral("optTranslation"));
    m_translation->setChecked(true);
    top->addWidget(m_dictation);
    top->addWidget(m_translation);
    top->addSpacing(16);
    auto* sourceLabel = new QLabel(QStringLiteral("出題(&O):"), this);
    m_source = new QComboBox(this);
    m_source->setObjectName(QStringLiteral("cmbSentenceSource"));
    m_source->addItems({QStringLiteral("選んだ問題の例文"), QStringLiteral("今日の復習の単語の例文"),
                        QStringLiteral("コース「%1」の例文").arg(m_sources.courseName)});
    m_source->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    sourceLabel->setBuddy(m_source);
    top->addWidget(sourceLabel);
    top->addWidget(m_source);
    top->addStretch();
    layout->addLayout(top);

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lbSentenceCount"));
    layout->addWidget(m_count);
    m_prompt = new QLabel(this);
    m_prompt->setObjectName(QStringLiteral("lbSentencePrompt"));
    m_prompt->setFont(uiFont(Face::Gothic, 14, true));
    m_prompt->setWordWrap(true);
    m_prompt->setMinimumHeight(m_prompt->fontMetrics().lineSpacing() * 2);
    layout->addWidget(m_prompt);

    auto* answerRow = new QHBoxLayout;
    auto* answerLabel = new QLabel(QStringLiteral("英文(&E):"), this);
    m_answer = new QLineEdit(this);
    m_answer->setObjectName(QStringLiteral("txSentence"));
    m_answer->setAttribute(Qt::WA_InputMethodEnabled, false); // Enter never confirms a conversion here
    m_answer->setFont(uiFont(Face::Serif, 14));
    m_answer->installEventFilter(this);
    answerLabel->setBuddy(m_answer);
    answerRow->addWidget(answerLabel);
    answerRow->addWidget(m_answer, 1);
    layout->addLayout(answerRow);

    auto* buttons = new QHBoxLayout;
    auto button = [this, buttons](const char* name, const QString& caption, auto handler) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(true); // Enter presses a focused button as Space does
        connect(b, &QPushButton::clicked, this, handler);
        buttons->addWidget(b);
        return b;
    };
    m_speak = button("cmdSentenceSpeak", QStringLiteral("発音(&S)"), &SentenceWindow::speakSentence);
    m_judge = button("cmdSentenceJudge", QStringLiteral("判定(&J)"), &SentenceWindow::judgeAnswer);
    m_hint = button("cmdSentenceHint", QStringLiteral("ヒント(&H)"), &SentenceWindow::showHint);
    m_next = button("cmdSentenceNext", QStringLiteral("次の文(&N)"), &SentenceWindow::showNextSentence);
    buttons->addStretch();
    button("cmdSentenceClose", QStringLiteral("閉じる(&C)"), &QWidget::close);
    layout->addLayout(buttons);

    auto label = [this, layout](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        l->setWordWrap(true);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(l);
        return l;
    };
    m_hintLabel = label("lbSentenceHint");
    m_verdict = label("lbSentenceVerdict");
    m_verdict->setFont(uiFont(Face::Gothic, 14, true));
    m_words = label("lbSentenceWords");
    m_words->setTextFormat(Qt::RichText);
    m_rightAnswer = label("lbSentenceAnswer");
    layout->addStretch();

    m_prompt->setAccessibleName(QStringLiteral("問題"));
    m_verdict->setAccessibleName(QStringLiteral("判定"));
    m_words->setAccessibleName(QStringLiteral("語ごとの判定"));
    m_rightAnswer->setAccessibleName(QStringLiteral("正しい英文と訳"));

    connect(m_dictation, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            showNextSentence();
    });
    connect(m_translation, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            showNextSentence();
    });
    connect(m_source, &QComboBox::activated, this, &SentenceWindow::useSource);
    resize(720, 420);
}

void SentenceWindow::checkSpeech()
{
    m_canSpeak = speech().available();
    m_dictation->setEnabled(m_canSpeak);
    if (!m_canSpeak) {
        m_notice->addNotice(kNoDictation);
        if (m_dictation->isChecked())
            m_translation->setChecked(true);
    }
    m_speak->setEnabled(m_canSpeak && (mode() == SentenceMode::Dictation || m_solved));
}

SentenceMode SentenceWindow::mode() const
{
    return m_dictation->isChecked() ? SentenceMode::Dictation : SentenceMode::Translation;
}

// The selected questions' sentences; else today's review words'; else the course's.
void SentenceWindow::chooseFirstSource()
{
    if (!m_bank.sentencesWith(englishOf(m_sources.selected)).empty()) {
        useSource(Selected);
        return;
    }
    if (!m_sources.todaysReview) {
        useSource(Course);
        return;
    }
    m_source->setCurrentIndex(TodaysReview);
    m_prompt->setText(QStringLiteral("今日の復習の単語を調べています…"));
    m_sources.todaysReview(this, [this](const WordList& words) {
        m_reviewWords = words;
        if (m_source->currentIndex() == TodaysReview) // unless the learner chose meanwhile
            useSource(m_bank.sentencesWith(englishOf(words)).empty() ? Course : TodaysReview);
    });
}

void SentenceWindow::useSource(int source)
{
    if (!m_loaded)
        return;
    m_source->setCurrentIndex(source);
    switch (source) {
    case Selected: useWords(m_sources.selected); break;
    case Course: useWords(m_sources.course); break;
    default:
        if (m_reviewWords) {
            useWords(*m_reviewWords);
        } else if (m_sources.todaysReview) {
            m_sources.todaysReview(this, [this](const WordList& words) {
                m_reviewWords = words;
                if (m_source->currentIndex() == TodaysReview)
                    useWords(words);
            });
        } else {
            useWords({});
        }
        break;
    }
}

void SentenceWindow::useWords(const WordList& words)
{
    m_meanings.clear();
    for (const WordPair& w : words)
        m_meanings.insert(w.english.trimmed().toLower(), w.meaning);
    m_deck.reset(m_bank.sentencesWith(englishOf(words)));
    m_shown = 0;
    showNextSentence();
}

void SentenceWindow::showNextSentence()
{
    m_sentence = m_loaded ? m_deck.next() : -1;
    m_attempt = 1;
    m_hints = 0;
    m_solved = false;
    m_lastHint = {};
    m_answer->clear();
    m_hintLabel->clear();
    m_verdict->clear();
    m_words->clear();
    m_rightAnswer->clear();
    const bool any = m_sentence >= 0;
    for (QWidget* w : std::initializer_list<QWidget*>{m_answer, m_judge, m_hint, m_next})
        w->setEnabled(any);
    m_speak->setEnabled(any && m_canSpeak && mode() == SentenceMode::Dictation);
    if (!any) {
        m_count->clear();
        if (m_loaded)
            m_prompt->setText(QStringLiteral("この単語の例文はありません。ほかの出題を選んで下さい。"));
        return;
    }
    m_count->setText(QStringLiteral("%1 文目（例文 %2 文）").arg(++m_shown).arg(m_deck.size()));
    if (mode() == SentenceMode::Dictation) {
        m_prompt->setText(kListenPrompt);
        speakSentence();
    } else {
        m_prompt->setText(m_bank.pair(m_sentence).japanese);
    }
    m_answer->setFocus();
}

void SentenceWindow::speakSentence()
{
    if (m_sentence >= 0)
        speakAloud(this, {m_bank.pair(m_sentence).english});
}

bool SentenceWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_answer && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            enterPressed();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Enter judges; once the sentence is right it goes on to the next.
void SentenceWindow::enterPressed()
{
    if (m_solved)
        showNextSentence();
    else
        judgeAnswer();
}

void SentenceWindow::judgeAnswer()
{
    if (m_sentence < 0 || m_answer->text().trimmed().isEmpty())
        return;
    const SentencePair& pair = m_bank.pair(m_sentence);
    const SentenceJudgement judgement = judgeSentence(m_answer->text(), pair.english);
    showJudgement(judgement);
    record(judgement);
    ++m_attempt;
    m_solved = judgement.right;
    m_speak->setEnabled(m_canSpeak);
    if (m_solved)
        m_next->setFocus();
    else
        m_answer->setFocus();
}

void SentenceWindow::showJudgement(const SentenceJudgement& judgement)
{
    if (judgement.right) {
        m_verdict->setText(QStringLiteral("<span style=\"color:#ff0000\">正解！</span>"));
    } else if (judgement.nearlyRight) {
        m_verdict->setText(QStringLiteral("<span style=\"color:#ff00ff\">惜しい！</span>　直してもう一度判定できます"));
    } else {
        m_verdict->setText(QStringLiteral("<span style=\"color:#0000ff\">残念</span>　直してもう一度判定できます"));
    }
    m_words->setText(judgement.right ? QString() : sentenceJudgementHtml(judgement));
    const SentencePair& pair = m_bank.pair(m_sentence);
    m_rightAnswer->setText(pair.english + u'\n' + pair.japanese);
}

void SentenceWindow::record(const SentenceJudgement& judgement)
{
    SentenceAttempt attempt;
    attempt.when = clock().now();
    attempt.mode = mode();
    attempt.attempt = m_attempt;
    attempt.right = judgement.right;
    attempt.hints = m_hints;
    attempt.sentence = m_bank.pair(m_sentence).english;
    attempt.typed = m_answer->text();
    for (const QString& word : judgement.missedWords())
        attempt.missed.push_back({word, m_meanings.value(word)});
    const QString folder = programFolder();
    QPointer<SentenceWindow> window(this);
    m_writer.start([folder, attempt, window] {
        const WriteResult written = appendSentenceAttempt(folder, attempt);
        if (!written.ok)
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [window, error = written.error] {
                    if (window)
                        window->m_notice->addNotice(error);
                },
                Qt::QueuedConnection);
    });
}

void SentenceWindow::showHint()
{
    if (m_sentence < 0)
        return;
    const WordHint hint = nextWordHint(m_answer->text(), m_bank.pair(m_sentence).english, m_lastHint);
    if (hint.word < 0) {
        m_hintLabel->setText(QStringLiteral("もう全部の語が入力されています。"));
        return;
    }
    ++m_hints;
    m_lastHint = hint;
    m_hintLabel->setText(QStringLiteral("ヒント：%1 語目は「%2…」").arg(hint.word + 1).arg(hint.letters));
    m_answer->setFocus();
}

} // namespace lumo
