// QuizWindow: speaking the English, its phonetic spelling and the listening quiz.
#include "quiz/quizwindow.h"

#include "quiz/phonetics.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/speech.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

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
    QAction* listening = addNamedItem(options, "mnuListening", QStringLiteral("リスニング問題(&L)"), this,
                                      [this](bool on) { m_speaking.setListening(on); });
    listening->setCheckable(true);

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

void QuizWindow::showPhoneticSpelling(const QString& english, const QString& meaning)
{
    m_phoneticLabel->setText(phoneticLine(english, transcription(english, meaning)));
}

} // namespace lumo
