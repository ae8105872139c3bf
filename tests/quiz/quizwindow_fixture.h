#pragma once
// The main window, shown, in a temporary program folder with scripted
// dialogs, sounds, screen, random draws and clock. Tests reach the window
// only through its controls: found by objectName, clicked, typed into and
// read as the learner sees them.
#include "quiz/quizwindow.h"
#include "support/fakes.h"
#include "ui/noticebar.h"
#include "widgets/richtextbox.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace lumo::test {

class QuizWindowTest : public ::testing::Test {
  public:
    Platform platform;
    TempProgramFolder folder;
    std::unique_ptr<QuizWindow> window;

    // The default course: three words, the second with a note.
    void SetUp() override
    {
        folder.write(QStringLiteral("filelist.dat"), QStringLiteral("eng-1-1.dat\n\neng-1-2.dat\n"));
        folder.write(QStringLiteral("eng-1-1.dat"), QStringLiteral("apple,りんご\nman,男の人,マン\nmake,作る\n"));
        folder.write(QStringLiteral("eng-1-2.dat"), QStringLiteral("cat,ねこ\ndog,いぬ\n"));
        folder.write(QStringLiteral("諺.txt"), QString());
        folder.write(QStringLiteral("例文-2.txt"), QString());
        folder.write(
            QStringLiteral("例文.txt"),
            QStringLiteral(
                "The cake maker will make a cake.\n私はケーキを作る。\nAn apple a day.\n一日一個のりんご。\n"));
    }

    QuizWindow& open()
    {
        window = std::make_unique<QuizWindow>();
        window->show();
        return *window;
    }

    // A control of the main window itself. The other windows are its
    // children too and reuse names such as Text1, so the search starts at
    // the client area.
    template <class W> W* control(const QString& name) const
    {
        W* found = window->centralWidget()->findChild<W*>(name);
        if (!found)
            throw std::runtime_error("no control " + name.toStdString());
        return found;
    }
    QLineEdit* lineEdit(const char* name) const { return control<QLineEdit>(QString::fromLatin1(name)); }
    QTextEdit* textEdit(const char* name) const { return control<QTextEdit>(QString::fromLatin1(name)); }
    RichTextBox* richText(const char* name) const { return control<RichTextBox>(QString::fromLatin1(name)); }
    QListWidget* list(const char* name) const { return control<QListWidget>(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) const { return control<QPushButton>(QString::fromLatin1(name)); }
    QPushButton* key(int index) const { return control<QPushButton>(QStringLiteral("key(%1)").arg(index)); }
    QWidget* widget(const char* name) const { return control<QWidget>(QString::fromLatin1(name)); }
    QLineEdit* answerBox() const { return lineEdit("Text2"); }

    QAction* menuItem(const char* name) const
    {
        auto* item = window->menuBar()->findChild<QAction*>(QString::fromLatin1(name));
        if (!item)
            throw std::runtime_error(std::string("no menu item ") + name);
        return item;
    }

    // The last message box, input box or question shown; a blank one when
    // none was, so a check of it fails instead of reading past the list.
    Shown lastDialog() const
    {
        const std::vector<Shown>& all = platform.dialogs.shown;
        return all.empty() ? Shown{Shown::Notice, QStringLiteral("(no dialog)"), {}, {}} : all.back();
    }

    // The notice bar under the controls, and its message while it shows.
    NoticeBar* noticeBar() const { return control<NoticeBar>(QStringLiteral("notice")); }
    QString notice() const { return noticeBar()->isVisible() ? noticeBar()->text() : QString(); }

    // What a text control shows: a line, a text box or a label.
    QString shown(const char* name) const
    {
        QWidget* w = widget(name);
        if (auto* line = qobject_cast<QLineEdit*>(w))
            return line->text();
        if (auto* box = qobject_cast<RichTextBox*>(w))
            return box->Text();
        if (auto* text = qobject_cast<QTextEdit*>(w))
            return text->toPlainText();
        if (auto* label = qobject_cast<QLabel*>(w))
            return label->text();
        throw std::runtime_error(std::string("no text in ") + name);
    }

    QStringList items(const char* listName) const
    {
        QListWidget* l = list(listName);
        QStringList out;
        for (int i = 0; i < l->count(); ++i)
            out.append(l->item(i)->text());
        return out;
    }

    void click(QWidget* w) const { QTest::mouseClick(w, Qt::LeftButton); }
    void click(const char* name) const { click(widget(name)); }

    // Clicks row `row` of a list where the learner would: on the item.
    void clickRow(const char* listName, int row) const
    {
        QListWidget* l = list(listName);
        QListWidgetItem* item = l->item(row);
        if (!item)
            throw std::runtime_error(std::string("no such row in ") + listName);
        l->scrollToItem(item);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, l->visualItemRect(item).center());
    }

    // Picks the words at these rows of the meaning list.
    void pick(std::initializer_list<int> rows) const
    {
        for (int row : rows)
            clickRow("List2", row);
    }

    // The selected questions as the 問題選択単語表示 button lists them.
    QStringList selection() const
    {
        click("cmdSelect");
        return items("List4");
    }

    // Types an answer and presses Enter.
    void answer(const QString& text) const
    {
        answerBox()->setText(text);
        QTest::keyClick(answerBox(), Qt::Key_Return);
    }

    // One second of the translation direction's advance timer.
    void tick() const
    {
        auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"), Qt::FindDirectChildrenOnly);
        if (!timer)
            throw std::runtime_error("no timer Timer1");
        QMetaObject::invokeMethod(timer, "timeout");
    }
    bool timerRunning() const
    {
        return window->findChild<QTimer*>(QStringLiteral("Timer1"), Qt::FindDirectChildrenOnly)->isActive();
    }

    // The windows opened from the main window, found by objectName.
    static QList<QWidget*> windowsNamed(const char* objectName)
    {
        QList<QWidget*> found;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(objectName))
                found.append(w);
        return found;
    }
    static QWidget* windowNamed(const char* objectName)
    {
        const QList<QWidget*> found = windowsNamed(objectName);
        return found.size() == 1 ? found.front() : nullptr;
    }
};

// The colour of a button's caption.
inline QColor captionColour(const QPushButton* b)
{
    return b->palette().color(QPalette::ButtonText);
}

} // namespace lumo::test
