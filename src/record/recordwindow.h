#pragma once
// 学習記録: the learning record window. It shows what the learner's history
// (history/traininghistory.h: "Training.dat" and this run's answers), the
// typing record and the sentence record ("TypingRecord.dat" and
// "SentenceRecord.dat", read each time the window is opened or refreshed) say,
// as pictures. While the history loads, the pages wait for it
// and the notice bar says so.
//
// Controls (objectName → role):
//   tabsRecord the pages · chartDays answers and first-try share, last 30 days
//   chartMonths the same per month, last 12 months · chartCalendar the year's calendar
//   lbStreak current and longest streak · tableMissed the 20 words missed most
//   cmdPickMissed selects the checked (or all) missed words as the quiz's questions
//   cmbTestLevel which one-minute test · chartTestScores its scores · chartTestSpeed characters per 10 minutes
//   chartKeys the keyboard shaded by error rate · lbWorstKeys the five worst keys and what is pressed instead
//   cmdSave… (one a chart) saves that chart as a PNG
//   lbRecordNotice notice bar above the pages: files that could not be read, no missed words to pick
//   chartSentenceDays sentences practised per day and the share right first time, last 30 days
//   lbSentenceTotals all sentences and the share right first time · tableSentenceMissed the words
//   most often wrong inside sentences · cmdPickSentenceMissed selects the chosen (or all) of them as questions
#include "record/learningrecord.h"

#include <QWidget>

#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class QTableWidget;

namespace lumo {

class BarChart;
class CalendarChart;
class KeyboardChart;
class NoticeBar;
class TrainingHistory;

class RecordWindow : public QWidget {
    Q_OBJECT
  public:
    explicit RecordWindow(TrainingHistory& history, QWidget* parent = nullptr);
    // Reads the typing record again and redraws both.
    void refresh();

  signals:
    // English and meaning of the words the learner chose to practise.
    void wordsChosen(const std::vector<std::pair<QString, QString>>& words);

  private:
    QWidget* chartPage(QWidget* chart, const char* saveName);
    void showTestLevel();
    QWidget* sentencePage();
    void showSentences(SentenceRecordFile sentences);
    void pickMissedWords();
    void pickSentenceWords();
    void saveChart(QWidget* chart);
    void showHistory();
    void showTyping(TypingRecordFile typing);
    void showProblems();

    TrainingHistory& m_source;
    bool m_waitingForHistory = false;
    bool m_readingTyping = false;
    bool m_readingSentences = false;
    QStringList m_typingProblems;
    QStringList m_sentenceProblems;
    HistorySummary m_history;
    typing::TypingRecord m_typing;
    SentenceSummary m_sentences;

    BarChart* m_days = nullptr;
    BarChart* m_months = nullptr;
    CalendarChart* m_calendar = nullptr;
    QLabel* m_streak = nullptr;
    QTableWidget* m_missed = nullptr;
    QComboBox* m_testLevel = nullptr;
    BarChart* m_testScores = nullptr;
    BarChart* m_testSpeed = nullptr;
    KeyboardChart* m_keys = nullptr;
    QLabel* m_worstKeys = nullptr;
    BarChart* m_sentenceDays = nullptr;
    QLabel* m_sentenceTotals = nullptr;
    QTableWidget* m_sentenceMissed = nullptr;
    NoticeBar* m_notice = nullptr;
};

} // namespace lumo
