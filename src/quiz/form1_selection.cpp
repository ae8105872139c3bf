// Form1: the word lists, picking questions, listing and discarding them, sorting.
#include "quiz/form1.h"

#include "data/course.h"
#include "data/sorting.h"
#include "ui/platform.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>

namespace lumo {

QString Form1::FiOpen(const QString& filex, int course)
{
    List2->clear();
    List3->clear();
    const TextFile file = readTextFile(filex);
    const CourseLines lines = parseCourse(file.text, course == 1 ? CourseFilter::WrongAnswers : CourseFilter::All);
    List3->addItems(lines.english);
    List2->addItems(lines.meanings);
    Text4->setText(selectableCountText(lines.count()));
    Text1->setPlainText(QStringLiteral("左側のリストから問題を選択して下さい"));

    QStringList problems;
    if (file.status != TextFile::Status::Ok)
        problems.append(readProblemMessage(file, filex));
    problems.append(courseLineProblems(lines));
    problems.removeAll(QString());
    return problems.join(u'\n');
}

void Form1::List1_choose()
{
    List4->hide();
    List2->clear();
    List3->clear();
    QListWidgetItem* current = List1->currentItem();
    const QString entry = current ? current->text() : QString();
    if (!entry.isEmpty()) {
        const QString problem = FiOpen(programFolder + entry, 0);
        if (!problem.isEmpty())
            dialogs().notice(this, problem);
    }
    txSetumei->hide();
}

void Form1::List2_Click(int index)
{
    if (txSetumei->isVisible())
        txSetumei->hide();
    pick(index);
}

void Form1::List3_Click(int index)
{
    pick(index);
}

void Form1::pick(int index)
{
    if (index < 0 || index >= List2->count() || index >= List3->count())
        return;
    if (english[1].isEmpty())
        selectedCount = 0;
    MondaiSen(List2->item(index)->text(), List3->item(index)->text());
}

void Form1::MondaiSen(const QString& jx, const QString& ex)
{
    // A new question goes right after the last selected one, whatever
    // question a run stopped at; its meaning identifies it.
    const int last = english[1].isEmpty() ? 0 : questionTotal;
    bool known = false;
    for (int k = 1; k <= last && !known; ++k)
        known = meaning[k] == jx;
    if (!known) {
        const int n = last + 1;
        if (n > kMaxQuestions) {
            dialogs().notice(this, QStringLiteral("選択できる問題は %1 問までです。").arg(kMaxQuestions));
        } else {
            meaning[n] = jx;
            pendingMeaning[n] = jx;
            english[n] = ex;
            pendingEnglish[n] = ex;
            selectedCount = n;
            questionTotal = n;
            ReibunRead(ex);
        }
    }
    Text4->setText(QStringLiteral("全問題数　") + QString::number(questionTotal));
}

// The example sentence of the question just added (at the selected-question count).
void Form1::ReibunRead(const QString& ex)
{
    if (selectedCount < 1 || selectedCount > kMaxQuestions)
        return;
    if (std::optional<QString> found = m_examples.find(ex))
        example[selectedCount] = *found;
}

void Form1::cmdSelect_Click()
{
    List4->clear();
    for (int k = 1; k <= kMaxQuestions && !english[k].isEmpty(); ++k)
        List4->addItem(english[k]);
    List4->show();
    List4->raise();
}

void Form1::List4_Click(int index)
{
    const int k = index + 1;
    if (index < 0 || k > kMaxQuestions || english[k].isEmpty())
        return;
    if (dialogs().question(this, QStringLiteral("選択リストから削除しますか"))) {
        List4->item(index)->setText(QString());
        const int oldTotal = questionTotal;
        questionTotal = std::max(questionTotal - 1, 0);
        for (int j = k; j <= oldTotal && j <= kMaxQuestions; ++j) {
            for (QuestionArray* array : {&english, &meaning, &example, &pendingEnglish, &pendingMeaning})
                (*array)[j] = j < kMaxQuestions ? (*array)[j + 1] : QString();
        }
        cmdSelect_Click();
    }
    selectedCount = questionTotal;
    Text4->setText(QStringLiteral("全問題数　") + QString::number(questionTotal));
}

void Form1::CmdNew_Click()
{
    const QString& first = pendingEnglish[1];
    if (!first.isEmpty() && first.size() < 15 &&
        !dialogs().confirm(this, QStringLiteral("データが消えてしまいますがこのまま続けますか")))
        return;
    Monclear();
}

void Form1::Monclear()
{
    questionTotal = 0;
    selectedCount = 0;
    clearQuestionArrays();
    Text4->setText(QStringLiteral("0"));
    Text1->setPlainText(QStringLiteral("左下のリストから問題を選択して下さい"));
    List4->hide();
    RichTextBox1->hide();
}

void Form1::clearQuestionArrays()
{
    for (QuestionArray* array : {&english, &meaning, &example, &pendingEnglish, &pendingMeaning})
        array->fill(QString());
}

void Form1::mnuNewQItem_Click()
{
    clearQuestionArrays();
    selectedCount = 0;
}

void Form1::QuickS(bool byEnglish)
{
    QStringList englishItems, meaningItems;
    for (int i = 0; i < List3->count(); ++i) {
        englishItems.append(List3->item(i)->text());
        meaningItems.append(i < List2->count() ? List2->item(i)->text() : QString());
    }
    const WordPairs sorted = lumo::QuickS(englishItems, meaningItems, byEnglish);
    List2->clear();
    List3->clear();
    List2->addItems(sorted.meanings);
    List3->addItems(sorted.english);
    mnuNewQItem_Click();
}

} // namespace lumo
