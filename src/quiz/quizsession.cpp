#include "quiz/quizsession.h"

#include "base/random.h"
#include "base/strings.h"
#include "data/course.h"
#include "data/sorting.h"
#include "quiz/quizlogic.h"

#include <algorithm>

namespace lumo {

QuizSession::QuizSession() = default;

const QuizSession::Slot& QuizSession::slot(int index) const
{
    // Positions beyond the questions read as empty, so a run past the last
    // question simply reaches the end of its pass.
    static const Slot empty;
    return index >= 0 && index < qsizetype(m_slots.size()) ? m_slots[size_t(index)] : empty;
}

QuizSession::Slot& QuizSession::writableSlot(int index)
{
    Q_ASSERT(index >= 0 && index <= kMaxQuestions);
    if (index >= qsizetype(m_slots.size()))
        m_slots.resize(size_t(index) + 1);
    return m_slots[size_t(index)];
}

// --- The course -------------------------------------------------------------

void QuizSession::setCourse(QStringList english, QStringList meanings)
{
    m_courseEnglish = std::move(english);
    m_courseMeanings = std::move(meanings);
}

void QuizSession::sortCourse(bool byEnglish)
{
    WordPairs sorted = QuickS(m_courseEnglish, m_courseMeanings, byEnglish);
    m_courseEnglish = std::move(sorted.english);
    m_courseMeanings = std::move(sorted.meanings);
    startNewChallenge();
}

// --- The selection ----------------------------------------------------------

QuizSession::PickResult QuizSession::pick(int row)
{
    if (row < 0 || row >= m_courseEnglish.size() || row >= m_courseMeanings.size())
        return PickResult::NoSuchWord;
    return pick(m_courseEnglish.at(row), m_courseMeanings.at(row));
}

QuizSession::PickResult QuizSession::pick(const QString& english, const QString& meaning)
{
    if (!hasSelection())
        m_current = 0;
    // A new question goes right after the last selected one, whatever
    // question a run stopped at; its meaning identifies it.
    const int last = hasSelection() ? m_total : 0;
    for (int k = 1; k <= last; ++k)
        if (slot(k).meaning == meaning)
            return PickResult::AlreadySelected;
    const int n = last + 1;
    if (n > kMaxQuestions)
        return PickResult::Full;
    Slot& added = writableSlot(n);
    added.meaning = meaning;
    added.pendingMeaning = meaning;
    added.english = english;
    added.pendingEnglish = english;
    m_current = n;
    m_total = n;
    // Without an example the slot keeps what it held.
    if (std::optional<QString> found = m_examples.find(english))
        added.example = *found;
    return PickResult::Added;
}

QuizSession::PickReport QuizSession::pickWords(const std::vector<std::pair<QString, QString>>& words)
{
    PickReport report;
    for (const auto& [english, meaning] : words) {
        if (english.trimmed().isEmpty()) {
            ++report.notFound;
            continue;
        }
        switch (pick(english, meaning)) {
        case PickResult::Added: ++report.added; break;
        case PickResult::Full: ++report.leftOver; break;
        case PickResult::NoSuchWord: ++report.notFound; break;
        case PickResult::AlreadySelected: {
            bool sameWord = false;
            for (int k = 1; k <= m_total && !sameWord; ++k)
                sameWord = slot(k).meaning == meaning && slot(k).english == english;
            if (sameWord)
                ++report.alreadySelected;
            else
                report.sameMeaning.append(QStringLiteral("%1（%2）").arg(english, meaning));
            break;
        }
        }
    }
    return report;
}

QStringList QuizSession::selectedEnglish() const
{
    QStringList list;
    for (int k = 1; !slot(k).english.isEmpty(); ++k)
        list.append(slot(k).english);
    return list;
}

QStringList QuizSession::selectedMeanings() const
{
    QStringList list;
    for (int k = 1; !slot(k).english.isEmpty(); ++k)
        list.append(slot(k).meaning);
    return list;
}

bool QuizSession::isSelected(int listRow) const
{
    return listRow >= 0 && !slot(listRow + 1).english.isEmpty();
}

void QuizSession::removeSelected(int listRow)
{
    if (!isSelected(listRow))
        return;
    const int k = listRow + 1;
    const int oldTotal = m_total;
    m_total = std::max(m_total - 1, 0);
    for (int j = k; j <= oldTotal; ++j)
        writableSlot(j) = Slot(slot(j + 1));
}

bool QuizSession::discardNeedsConfirmation() const
{
    const QString& first = slot(1).pendingEnglish;
    return !first.isEmpty() && first.size() < 15;
}

void QuizSession::discardSelection()
{
    m_total = 0;
    m_current = 0;
    std::fill(m_slots.begin(), m_slots.end(), Slot());
}

void QuizSession::startNewChallenge()
{
    std::fill(m_slots.begin(), m_slots.end(), Slot());
    m_current = 0;
}

// --- Runs -------------------------------------------------------------------

void QuizSession::copyToPending()
{
    for (int k = 1; k <= m_total; ++k) {
        Slot& s = writableSlot(k);
        s.pendingMeaning = s.meaning;
        s.pendingEnglish = s.english;
    }
}

bool QuizSession::startTraining()
{
    if (!hasSelection())
        return false;
    m_questionForm = false;
    copyToPending();
    m_current = 1;
    return true;
}

void QuizSession::startQuestions()
{
    m_questionForm = true;
    copyToPending();
    m_current = 1;
}

QuizSession::ShownQuestion QuizSession::shownAt(int index) const
{
    const Slot& s = slot(index);
    ShownQuestion shown;
    shown.number = index;
    if (m_englishInput) {
        shown.prompt = m_questionForm ? splitMeaning(s.pendingMeaning).head : s.pendingMeaning;
        if (!m_questionForm)
            shown.answer = s.pendingEnglish;
    } else {
        shown.prompt = s.pendingEnglish;
        if (!m_questionForm)
            shown.answer = s.pendingMeaning;
    }
    return shown;
}

std::optional<QuizSession::ShownQuestion> QuizSession::showPending()
{
    while (slot(m_current).pendingEnglish.isEmpty()) {
        ++m_current;
        if (m_current > m_total)
            return std::nullopt;
    }
    return shownAt(m_current);
}

QuizSession::Judgement QuizSession::judge(const QString& typed, QDate today)
{
    Judgement j;
    const int cur = m_current;
    Slot& s = writableSlot(cur);
    j.note = splitMeaning(s.pendingMeaning).note;
    j.correct = answerMatches(typed, s.english);
    if (j.correct) {
        s.pendingMeaning.clear();
        s.pendingEnglish.clear();
    }
    j.english = s.english;
    j.meaning = s.meaning;
    j.example = s.example;
    if (m_questionForm)
        m_history->record(s.english, s.meaning, j.correct, today);
    ++m_current;
    j.passGoesOn = !slot(m_current).english.isEmpty();
    if (j.passGoesOn) {
        // A question is pending while its English is: a meaning may be
        // empty (a course line ending in its comma) and is still asked.
        while (m_current <= m_total && slot(m_current).pendingEnglish.isEmpty())
            ++m_current;
    }
    return j;
}

QuizSession::AfterReveal QuizSession::reveal()
{
    ++m_current;
    if (m_questionForm)
        return AfterReveal::SelfGrade;
    return slot(m_current).english.isEmpty() ? AfterReveal::EndOfPass : AfterReveal::AdvanceByTimer;
}

void QuizSession::selfGrade(bool right)
{
    const int done = m_current - 1;
    if (right && done >= 0 && done <= kMaxQuestions) {
        Slot& s = writableSlot(done);
        s.pendingMeaning.clear();
        s.pendingEnglish.clear();
    }
}

std::optional<QuizSession::ShownQuestion> QuizSession::advanceTick()
{
    if (m_englishInput)
        return std::nullopt;
    if (++m_advanceTicks <= 2)
        return std::nullopt;
    m_advanceTicks = 0;
    return shownAt(m_current);
}

int QuizSession::firstPending() const
{
    for (int k = 1; k <= m_total; ++k)
        if (!slot(k).pendingEnglish.isEmpty())
            return k;
    return 0;
}

QuizSession::PassEnd QuizSession::passEnd() const
{
    if (!m_questionForm)
        return PassEnd::TrainingDone;
    return firstPending() ? PassEnd::RetryWrong : PassEnd::AllCorrect;
}

void QuizSession::retryWrong()
{
    if (const int k = firstPending())
        m_current = k;
}

QuizSession::NextRun QuizSession::nextRunAfterAllCorrect(const QString& reply)
{
    switch (numberedChoice(reply).value_or(0)) {
    case 1: return NextRun::Training;
    case 2: return NextRun::Questions;
    case 3: return NextRun::NewSelection;
    default: return NextRun::None;
    }
}

// --- Helpers of the views ---------------------------------------------------

std::optional<QString> QuizSession::guideLetter(const QString& typed) const
{
    const QString& expected = slot(m_current).english;
    if (m_questionForm || expected.isEmpty())
        return std::nullopt;
    return expected.mid(typed.size(), 1).toLower();
}

void QuizSession::shuffle(RandomSource& random)
{
    const int n = m_total;
    writableSlot(n); // every position up to n exists from here on
    for (int i = 1; i <= n; ++i) {
        const int b = drawIndex(random.next(), 20000, n);
        std::swap(m_slots[size_t(i)], m_slots[size_t(b)]);
    }
}

} // namespace lumo
