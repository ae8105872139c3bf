#pragma once
// 文の練習: whole example sentences typed from hearing them (ディクテーション)
// or from their Japanese translation (和文英訳), judged word by word, each
// judgement added to "SentenceRecord.dat".
//
// Controls (objectName → role):
//   frmSentence the window · lbSentenceNotice notice bar: no dictation without audio, a record that could not be
//   written optDictation / optTranslation the two modes · cmbSentenceSource where the sentences come from
//   lbSentenceCount which sentence of how many · lbSentencePrompt the translation, or what to do in dictation
//   cmdSentenceSpeak 発音: says the sentence (again) · txSentence the answer (direct input); Enter judges,
//   and after a right answer goes on · cmdSentenceJudge 判定 · cmdSentenceHint ヒント: first letters of the next word
//   lbSentenceHint the hint · lbSentenceVerdict 正解 / 惜しい / 残念 · lbSentenceWords the answer word by word
//   lbSentenceAnswer the sentence and its translation after judging · cmdSentenceNext 次の文 · cmdSentenceClose 閉じる
#include "data/wordsource.h"
#include "sentence/sentencepractice.h"
#include "sentence/sentencerecord.h"

#include <QHash>
#include <QThreadPool>
#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lumo {

class NoticeBar;

// What the quiz hands over: the words whose example sentences are practised.
struct SentenceSources {
    WordList selected;       // the questions selected now
    WordSource todaysReview; // today's review words, worked out from the history
    WordList course;         // the words of the chosen course
    QString courseName;
};

class SentenceWindow : public QWidget {
    Q_OBJECT
  public:
    SentenceWindow(const QString& exampleText, SentenceSources sources, QWidget* parent = nullptr);
    ~SentenceWindow() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum Source { Selected, TodaysReview, Course };

    void buildControls();
    void checkSpeech();
    void chooseFirstSource();
    void useSource(int source);
    void useWords(const WordList& words);
    void showNextSentence();
    void speakSentence();
    void judgeAnswer();
    void enterPressed();
    void showHint();
    void showJudgement(const SentenceJudgement& judgement);
    void record(const SentenceJudgement& judgement);
    SentenceMode mode() const;

    SentenceBank m_bank; // empty until indexed off the window's thread
    bool m_loaded = false;
    SentenceSources m_sources;
    std::optional<WordList> m_reviewWords; // once the history has told them
    QHash<QString, QString> m_meanings;    // lower-case English → meaning, of the words practised
    SentenceDeck m_deck;
    int m_sentence = -1; // the sentence shown, -1 for none
    int m_shown = 0;     // sentences shown from this deck
    int m_attempt = 1;
    int m_hints = 0;
    bool m_solved = false;
    WordHint m_lastHint;
    bool m_canSpeak = false;
    QThreadPool m_writer; // appends to the record one line after another, off the window's thread

    NoticeBar* m_notice = nullptr;
    QRadioButton* m_dictation = nullptr;
    QRadioButton* m_translation = nullptr;
    QComboBox* m_source = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_prompt = nullptr;
    QPushButton* m_speak = nullptr;
    QLineEdit* m_answer = nullptr;
    QPushButton* m_judge = nullptr;
    QPushButton* m_hint = nullptr;
    QLabel* m_hintLabel = nullptr;
    QLabel* m_verdict = nullptr;
    QLabel* m_words = nullptr;
    QLabel* m_rightAnswer = nullptr;
    QPushButton* m_next = nullptr;
};

// The answer word by word as rich text: right words as typed; a wrong word
// struck through in red with an arrow to the right one in blue and, under the
// sentence, the two letter by letter; a missing word blue and underlined in
// brackets; an extra word struck through.
QString sentenceJudgementHtml(const SentenceJudgement& judgement);

} // namespace lumo
