// QuizWindow: speaking the English, its phonetic spelling and the listening quiz.
#include "quiz/quizwindow.h"

#include "quiz/phonetics.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/noticebar.h"
#include "ui/speech.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>

#include <utility>

namespace lumo {

void QuizWindow::buildSpeechControls(QWidget* client)
{
    // 発音 sits in the free place at the end of the first row of letter
    // buttons, between the last letter and BS.
    m_speakButton = createControl<QPushButton>(client, QStringLiteral("cmdHatuon"), QRect(6795, 4440, 615, 480));
    m_speakButton->setText(QStringLiteral("発音"));
    m_speakButton->setFocusPolicy(Qt::TabFocus);
    m_speakButton->setToolTip(QStringLiteral("英単語の発音を聞く"));
    connect(m_speakButton, &QPushButton::clicked, this, &QuizWindow::speakCurrentWord);

    // The judged English and its phonetic spelling, on the free strip below
    // the case button; the comparison of a wrong answer takes the strip's left.
    m_phoneticLabel = createControl<QLabel>(client, QStringLiteral("lbHatuonKigou"), QRect(6510, 6420, 2790, 360));
    m_phoneticLabel->setFont(uiFont(Face::Phonetic, 10));
    m_phoneticLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // The word lists' context menu speaks the English of the row.
    m_wordMenu = new QMenu(this);
    m_wordMenu->setObjectName(QStringLiteral("mnuWordList"));
    addNamedItem(m_wordMenu, "mnuSpeakWord", QStringLiteral("発音を聞く(&P)"), this, &QuizWindow::speakWordMenuRow);
    for (QListWidget* list : {m_meaningList, m_englishList}) {
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QListWidget::customContextMenuRequested, this,
                [this, list](const QPoint& pos) { showWordMenu(list, pos); });
    }
}

void QuizWindow::addSpeechMenuItems(QMenu* options)
{
    // Like 正解音, these start the same at every start and are not saved.
    QAction* afterJudging = addNamedItem(options, "mnuAutoSpeak", QStringLiteral("判定後に発音(&P)"), this,
                                         [this](bool on) { m_speaking.setSpeaksAfterJudging(on); });
    afterJudging->setCheckable(true);
    m_listeningItem =
        addNamedItem(options, "mnuListening", QStringLiteral("リスニング問題(&L)"), this, &QuizWindow::setListening);
    m_listeningItem->setCheckable(true);

    QMenu* rates = options->addMenu(QStringLiteral("読み上げの速さ(&V)"));
    rates->setObjectName(QStringLiteral("mnuSpeechRate"));
    auto* group = new QActionGroup(rates);
    const struct {
        const char* name;
        QString caption;
        double rate;
    } choices[] = {
        {"mnuRateSlow", QStringLiteral("ゆっくり(&S)"), -0.5},
        {"mnuRateNormal", QStringLiteral("ふつう(&N)"), 0.0},
        {"mnuRateFast", QStringLiteral("速い(&F)"), 0.5},
    };
    for (const auto& choice : choices) {
        const double rate = choice.rate;
        QAction* item = addNamedItem(rates, choice.name, choice.caption, this, [rate] { speech().setRate(rate); });
        item->setCheckable(true);
        item->setChecked(rate == 0.0);
        group->addAction(item);
    }
}

void QuizWindow::say(const QStringList& texts)
{
    speakAloud(this, texts);
}

void QuizWindow::speakCurrentWord()
{
    say({m_speaking.wordToSpeak()});
}

void QuizWindow::showWordMenu(QListWidget* list, const QPoint& pos)
{
    const QModelIndex index = list->indexAt(pos);
    if (!index.isValid())
        return;
    m_wordMenuRow = index.row();
    m_wordMenu->popup(list->viewport()->mapToGlobal(pos));
}

void QuizWindow::speakWordMenuRow()
{
    say({m_session.courseEnglish().value(m_wordMenuRow)});
}

void QuizWindow::setListening(bool on)
{
    if (on && !speech().available())
        stopListening();
    else
        m_speaking.setListening(on);
}

// Whether the question about to be shown is heard instead of read; without
// sound the listening quiz stops and the question is read.
bool QuizWindow::asksByEar()
{
    if (!m_speaking.asksByEar(m_session.englishInput()))
        return false;
    if (speech().available())
        return true;
    stopListening();
    return false;
}

// The sound went away after the current question was asked by ear: it may
// never have been heard, so it is asked again by its prompt and not judged.
bool QuizWindow::questionWentUnheard()
{
    const QString prompt = std::exchange(m_byEarPrompt, QString());
    if (prompt.isEmpty() || speech().available())
        return false;
    stopListening();
    m_promptBox->setPlainText(prompt);
    m_answerBox->setFocus();
    return true;
}

void QuizWindow::stopListening()
{
    m_speaking.setListening(false);
    m_listeningItem->setChecked(false);
    speech().tellUnavailable(this);
    const QString stopped = QStringLiteral("音声が出せないため、リスニング問題はやめて、日本語の意味で出題します。");
    if (!m_notice->isVisible() || !m_notice->text().contains(stopped))
        m_notice->addNotice(stopped);
}

void QuizWindow::showPhoneticSpelling(const QString& english, const QString& meaning)
{
    m_phoneticLabel->setText(phoneticLine(english, transcription(english, meaning)));
}

} // namespace lumo
