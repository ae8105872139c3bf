// frmKeyTre: courses, the guide and cup displays, key judging and the tests.
#include "typing/frmkeytre.h"

#include "app/programfolder.h"
#include "typing/keyboard.h"
#include "ui/fonts.h"
#include "ui/platform.h"
#include "ui/richtextbox.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace lumo {

using typing::Course;
using typing::Display;
using typing::Then;

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}

void FrmKeyTre::CourseClear()
{
    ProgressBar1->hide();
    typing::clearCourse(m_state);
    Label3->clear();
    showCounts();
}

void FrmKeyTre::startCourse(Course course)
{
    // A practice course chosen during a test ends the test without a result.
    endTest();
    CourseClear();
    switch (course) {
    case Course::EnglishLow:
    case Course::EnglishMid: {
        const int n = pickWords(course == Course::EnglishLow ? 1 : 2);
        typing::LineShuffle(n, m_state.lines);
        break;
    }
    case Course::Proverbs: {
        const int n = typing::proverbLines(readCourseFile(QStringLiteral("諺.txt")), m_state.lines);
        typing::LineShuffle(n, m_state.lines);
        break;
    }
    default: typing::fillBuiltInCourse(course, m_state.lines); break;
    }
    m_state.kanaMode = typing::isKanaCourse(course);
    m_state.lineNo = 1;
    ShowGuide();
}

QString FrmKeyTre::readCourseFile(const QString& name)
{
    const QString path = programFolder() + name;
    const TextFile file = RichTextBox1->LoadFile(path);
    if (file.status != TextFile::Status::Ok)
        dialogs().notice(this, readProblemMessage(file, path));
    return file.usable() ? RichTextBox1->Text() : QString();
}

int FrmKeyTre::pickWords(int level)
{
    int n = 0;
    for (const QString& name : {QStringLiteral("eng-1-1.dat"), QStringLiteral("eng-1-2.dat")}) {
        const QString text = readCourseFile(name);
        if (!text.isEmpty())
            n = typing::WordPick(text + kCrLf, level, n, m_state.lines);
    }
    return n;
}

void FrmKeyTre::ShowGuide()
{
    m_state.displayMode = Display::Guide;
    m_state.charPos = 0;
    for (int a = 1; a <= typing::kColumns; ++a) {
        lbCup[a]->hide();
        Image2[a]->hide();
    }
    m_guide.hideAll();
    for (int i = 1; i <= typing::kKeyCount; ++i)
        Image1[i]->show();
    const QString& line = m_state.currentLine();
    if (!line.isEmpty())
        m_guide.showNext(line.left(1).toUpper());
    showGuideState();
    if (!m_state.currentHint().isEmpty())
        Label3->setText(m_state.currentHint());
    Label2->setText(QStringLiteral("練習中"));
    focusWindow();
}

void FrmKeyTre::ShowCups()
{
    m_state.displayMode = Display::Cups;
    m_state.charPos = 0;
    m_guide.hideAll();
    showGuideState();
    for (int i = 1; i <= typing::kKeyCount; ++i)
        Image1[i]->hide();
    // Ten cups: a longer line shows its first ten characters.
    const QString& line = m_state.currentLine();
    for (int a = 1; a <= typing::kColumns; ++a) {
        if (a <= line.size()) {
            lbCup[a]->setText(line.mid(a - 1, 1));
            Image2[a]->show();
            Image2[a]->raise();
            lbCup[a]->show();
            lbCup[a]->raise();
        } else {
            Image2[a]->hide();
            lbCup[a]->hide();
        }
    }
    if (!m_state.currentHint().isEmpty())
        Label3->setText(m_state.currentHint());
    Label2->setText(QStringLiteral("実戦テスト"));
    focusWindow();
}

void FrmKeyTre::Form_KeyDown(int keyCode, int /*shift*/)
{
    const Display display = m_state.displayMode;
    const typing::KeyOutcome out = typing::judgeKey(m_state, keyCode);
    if (!out.judged)
        return;
    showCounts();
    sound().play(programFolder() + (out.correct ? QStringLiteral("sample3.wav") : QStringLiteral("sample2.wav")));

    if (display == Display::Guide) {
        m_guide.press(out.keyIndex);
        switch (out.then) {
        case Then::NextLineGuide: ShowGuide(); return;
        case Then::EndOfLine:
            showGuideState();
            Label2->setText(QStringLiteral("終了しました。次のコースを選んで下さい。"));
            cmdRepeat->setFocus();
            return;
        default:
            if (!out.next.isEmpty())
                m_guide.showNext(out.next);
            showGuideState();
            break;
        }
    } else {
        if (out.cupToHide >= 1 && out.cupToHide <= typing::kColumns) {
            lbCup[out.cupToHide]->hide();
            Image2[out.cupToHide]->hide();
        }
        if (out.then == Then::NextLineCups) {
            ShowCups();
            return;
        }
    }
    focusWindow();
}

void FrmKeyTre::cmdNext_Click()
{
    typing::advanceLine(m_state);
    ShowGuide();
}

void FrmKeyTre::cmdRepeat_Click()
{
    ShowGuide();
}

void FrmKeyTre::mnuAutoNext_Click()
{
    // The check mark shows the option; a running test advances whatever it
    // says and hands over to it when the minute is up.
    m_autoNextOption = !m_autoNextOption;
    mnuAutoNext->setChecked(m_autoNextOption);
    m_state.autoNext = m_autoNextOption || m_countdown.running();
    focusWindow();
}

void FrmKeyTre::cmdAutoNext_Click()
{
    mnuAutoNext_Click();
}

void FrmKeyTre::startTest(typing::TestLevel level)
{
    CourseClear();
    const int n = pickWords(static_cast<int>(level));
    typing::LineShuffle(n, m_state.lines);
    ProgressBar1->setMaximum(typing::kTestSeconds);
    m_countdown.start();
    ProgressBar1->setValue(m_countdown.secondsLeft());
    ProgressBar1->show();
    ProgressBar1->raise(); // over the finger labels it shares its place with
    Timer1->start();
    // Lines follow one another during the test whatever the option shows.
    m_state.autoNext = true;
    m_state.lineNo = 1;
    if (typing::usesCups(level))
        ShowCups();
    else
        ShowGuide();
}

void FrmKeyTre::Timer1_Timer()
{
    if (!m_countdown.running())
        return;
    const bool ended = m_countdown.tick();
    ProgressBar1->setValue(m_countdown.secondsLeft());
    if (!ended)
        return;
    const int score = typing::testScore(m_state.seikaiCount, m_state.matigaiCount);
    endTest();
    Label3->setText(typing::resultText(score));
}

void FrmKeyTre::endTest()
{
    if (!m_countdown.running() && !Timer1->isActive())
        return;
    m_countdown.stop();
    Timer1->stop();
    // Auto-advance goes back to what the option shows.
    m_state.autoNext = m_autoNextOption;
}

void FrmKeyTre::showGuideState()
{
    for (int i = 1; i <= typing::kKeyCount; ++i) {
        QLabel* letter = key1[i];
        const QColor colour =
            m_guide.colour(i) == typing::KeyGuide::Colour::Red ? QColor(255, 0, 0) : QColor(0, 0, 255);
        if (letter->palette().color(QPalette::WindowText) != colour)
            setColours(letter, colour);
        letter->setVisible(m_guide.visible(i));
    }
}

void FrmKeyTre::showCounts()
{
    lbSeikaisu->setText(QString::number(m_state.seikaiCount));
    lbMatigaisu->setText(QString::number(m_state.matigaiCount));
}

void FrmKeyTre::focusWindow()
{
    setFocus();
}

} // namespace lumo
