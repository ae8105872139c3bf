// The trainer window: courses, the guide and cup displays, key judging and the tests.
#include "typing/typingtrainerwindow.h"

#include "data/richtext.h"

#include "base/aside.h"
#include "base/clock.h"
#include "base/programfolder.h"
#include "typing/keyboard.h"
#include "ui/fonts.h"
#include "ui/noticebar.h"
#include "ui/platform.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <utility>

namespace lumo {

using typing::Course;
using typing::Display;
using typing::Then;

namespace {
}

void TypingTrainerWindow::clearCourse()
{
    m_testProgress->hide();
    typing::clearCourse(m_state);
    m_hint->clear();
    showCounts();
}

void TypingTrainerWindow::startCourse(Course course)
{
    // A practice course chosen during a test ends the test without a result.
    endTest();
    clearCourse();
    switch (course) {
    case Course::EnglishLow:
    case Course::EnglishMid: {
        const int n = pickWords(course == Course::EnglishLow ? 1 : 2);
        typing::shuffleLines(n, m_state.lines);
        break;
    }
    case Course::Proverbs: {
        const int n =
            typing::proverbLines(readCourseFile(QStringLiteral("諺.txt"), kMaxHandWrittenTextBytes), m_state.lines);
        typing::shuffleLines(n, m_state.lines);
        break;
    }
    default: typing::fillBuiltInCourse(course, m_state.lines); break;
    }
    m_state.kanaMode = typing::isKanaCourse(course);
    m_state.lineNo = 1;
    showGuide();
}

void TypingTrainerWindow::setWordSources(WordSource todaysReview, WordSource oftenMissed)
{
    m_reviewWords = std::move(todaysReview);
    m_missedWords = std::move(oftenMissed);
}

void TypingTrainerWindow::startWordCourse(const WordSource& source, const QString& noWords)
{
    if (!source) {
        dialogs().notice(this, noWords);
        return;
    }
    // The words come from the history, which may still be being read.
    source(this, [this, noWords](const WordList& words) {
        if (words.empty()) {
            dialogs().notice(this, noWords);
            focusWindow();
            return;
        }
        endTest();
        clearCourse();
        typing::shuffleLines(typing::vocabularyLines(words, m_state.lines), m_state.lines);
        m_state.lineNo = 1;
        showGuide();
    });
}

void TypingTrainerWindow::startWeakKeyCourse()
{
    if (m_readingRecord)
        return; // chosen again while the record is still being read
    m_readingRecord = true;
    const QString path = programFolder() + QString::fromUtf16(typing::kTypingRecordFile);
    // The keys of this opening count as well as those saved before.
    const QString thisOpening = m_recorder.lines();
    deliverAside(
        this,
        [path, thisOpening] {
            TextFile file = readTextFile(path);
            const QString keys =
                typing::worstKeys(typing::readTypingRecord(file.text + kCrLf + thisOpening), typing::kWeakKeyCount);
            file.text.clear();
            return std::pair{file, keys};
        },
        [this, path](const std::pair<TextFile, QString>& read) {
            m_readingRecord = false;
            drillWeakKeys(read.first, path, read.second);
        });
}

void TypingTrainerWindow::drillWeakKeys(const TextFile& record, const QString& path, const QString& weakKeys)
{
    if (!record.usable() && record.status != TextFile::Status::Missing)
        m_notice->addNotice(readProblemMessage(record, path));
    if (weakKeys.size() < typing::kWeakKeyCount) {
        dialogs().notice(this, QStringLiteral("苦手なキーを選ぶには、まだ練習の記録が足りません。\n"
                                              "ほかのコースでもう少し練習してから選んで下さい。"));
        focusWindow();
        return;
    }
    endTest();
    clearCourse();
    typing::weakKeyLines(m_state.lines, weakKeys);
    m_state.lineNo = 1;
    showGuide();
}

void TypingTrainerWindow::saveRecord(QWidget* messageParent)
{
    if (m_recorder.empty())
        return;
    const WriteResult written = typing::appendTypingRecord(programFolder(), m_recorder);
    // Tried once: after a failure the file is as it was, and the learner is told.
    m_recorder.clear();
    if (!written.ok)
        dialogs().notice(messageParent, QStringLiteral("今回のキー入力練習の記録を保存できませんでした。\n") +
                                            written.error + QStringLiteral("このファイルは以前のままです。"));
}

void TypingTrainerWindow::closeEvent(QCloseEvent* event)
{
    saveRecord(this);
    QWidget::closeEvent(event);
}

QString TypingTrainerWindow::readCourseFile(const QString& name, qint64 maxBytes)
{
    const QString path = programFolder() + name;
    const TextFile file = readShownText(path, maxBytes);
    if (file.status != TextFile::Status::Ok)
        m_notice->addNotice(readProblemMessage(file, path));
    return file.text;
}

int TypingTrainerWindow::pickWords(int level)
{
    int n = 0;
    for (const QString& name : {QStringLiteral("eng-1-1.dat"), QStringLiteral("eng-1-2.dat")}) {
        const QString text = readCourseFile(name);
        if (!text.isEmpty())
            n = typing::pickCourseWords(text + kCrLf, level, n, m_state.lines);
    }
    return n;
}

void TypingTrainerWindow::showGuide()
{
    m_state.displayMode = Display::Guide;
    m_state.charPos = 0;
    for (int a = 1; a <= typing::kColumns; ++a) {
        m_cupLetters[a]->hide();
        m_cups[a]->hide();
    }
    m_guide.hideAll();
    for (int i = 1; i <= typing::kKeyCount; ++i)
        m_keyPictures[i]->show();
    const QString& line = m_state.currentLine();
    if (!line.isEmpty())
        m_guide.showNext(line.left(1).toUpper());
    showGuideState();
    if (!m_state.currentHint().isEmpty())
        m_hint->setText(m_state.currentHint());
    m_status->setText(QStringLiteral("練習中"));
    focusWindow();
}

void TypingTrainerWindow::showCups()
{
    m_state.displayMode = Display::Cups;
    m_state.charPos = 0;
    m_guide.hideAll();
    showGuideState();
    for (int i = 1; i <= typing::kKeyCount; ++i)
        m_keyPictures[i]->hide();
    // Ten cups: a longer line shows its first ten characters.
    const QString& line = m_state.currentLine();
    for (int a = 1; a <= typing::kColumns; ++a) {
        if (a <= line.size()) {
            m_cupLetters[a]->setText(line.mid(a - 1, 1));
            m_cups[a]->show();
            m_cups[a]->raise();
            m_cupLetters[a]->show();
            m_cupLetters[a]->raise();
        } else {
            m_cups[a]->hide();
            m_cupLetters[a]->hide();
        }
    }
    if (!m_state.currentHint().isEmpty())
        m_hint->setText(m_state.currentHint());
    m_status->setText(QStringLiteral("実戦テスト"));
    focusWindow();
}

void TypingTrainerWindow::judgeKeyPress(int keyCode)
{
    const Display display = m_state.displayMode;
    const typing::KeyOutcome out = typing::judgeKey(m_state, keyCode);
    if (!out.judged)
        return;
    m_recorder.addJudgedKey(out.expected, m_state.typedChar);
    showCounts();
    sound().play(programFolder() + (out.correct ? QStringLiteral("sample3.wav") : QStringLiteral("sample2.wav")));

    if (display == Display::Guide) {
        m_guide.press(out.keyIndex);
        switch (out.then) {
        case Then::NextLineGuide: showGuide(); return;
        case Then::EndOfLine:
            showGuideState();
            m_status->setText(QStringLiteral("終了しました。次のコースを選んで下さい。"));
            m_repeat->setFocus();
            return;
        default:
            if (!out.next.isEmpty())
                m_guide.showNext(out.next);
            showGuideState();
            break;
        }
    } else {
        if (out.cupToHide >= 1 && out.cupToHide <= typing::kColumns) {
            m_cupLetters[out.cupToHide]->hide();
            m_cups[out.cupToHide]->hide();
        }
        if (out.then == Then::NextLineCups) {
            showCups();
            return;
        }
    }
    focusWindow();
}

void TypingTrainerWindow::nextLine()
{
    typing::advanceLine(m_state);
    showGuide();
}

void TypingTrainerWindow::repeatLine()
{
    showGuide();
}

void TypingTrainerWindow::toggleAutoNext()
{
    // The check mark shows the option; a running test advances whatever it
    // says and hands over to it when the minute is up.
    m_autoNextOption = !m_autoNextOption;
    m_autoNextItem->setChecked(m_autoNextOption);
    m_state.autoNext = m_autoNextOption || m_countdown.running();
    focusWindow();
}

void TypingTrainerWindow::startTest(typing::TestLevel level)
{
    clearCourse();
    m_testLevel = level;
    const int n = pickWords(static_cast<int>(level));
    typing::shuffleLines(n, m_state.lines);
    m_testProgress->setMaximum(typing::kTestSeconds);
    m_countdown.start();
    m_testProgress->setValue(m_countdown.secondsLeft());
    m_testProgress->show();
    m_testProgress->raise(); // over the finger labels it shares its place with
    m_testTimer->start();
    // Lines follow one another during the test whatever the option shows.
    m_state.autoNext = true;
    m_state.lineNo = 1;
    if (typing::usesCups(level))
        showCups();
    else
        showGuide();
}

void TypingTrainerWindow::countDownOneSecond()
{
    if (!m_countdown.running())
        return;
    const bool ended = m_countdown.tick();
    m_testProgress->setValue(m_countdown.secondsLeft());
    if (!ended)
        return;
    const int score = typing::testScore(m_state.correctCount, m_state.wrongCount);
    m_recorder.addTest({clock().now(), static_cast<int>(m_testLevel), m_state.correctCount, m_state.wrongCount, score});
    endTest();
    m_hint->setText(typing::resultLabelText(score));
}

void TypingTrainerWindow::endTest()
{
    if (!m_countdown.running() && !m_testTimer->isActive())
        return;
    m_countdown.stop();
    m_testTimer->stop();
    // Auto-advance goes back to what the option shows.
    m_state.autoNext = m_autoNextOption;
}

void TypingTrainerWindow::showGuideState()
{
    for (int i = 1; i <= typing::kKeyCount; ++i) {
        QLabel* letter = m_keyLetters[i];
        const bool wrong = m_guide.colour(i) == typing::KeyGuide::Colour::Red;
        const QColor colour = wrong ? QColor(255, 0, 0) : QColor(0, 0, 255);
        if (letter->palette().color(QPalette::WindowText) != colour)
            setColours(letter, colour);
        // Underlined as well as red, for eyes that do not tell the colours apart.
        if (letter->font().underline() != wrong) {
            QFont font = letter->font();
            font.setUnderline(wrong);
            letter->setFont(font);
        }
        letter->setVisible(m_guide.visible(i));
    }
}

void TypingTrainerWindow::showCounts()
{
    m_correctCount->setText(QString::number(m_state.correctCount));
    m_wrongCount->setText(QString::number(m_state.wrongCount));
}

void TypingTrainerWindow::focusWindow()
{
    setFocus();
}

} // namespace lumo
