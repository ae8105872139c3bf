#pragma once
// A main window in a temporary program folder with scripted dialogs, sounds,
// screen, random draws and clock.
#include "quiz/form1.h"
#include "support/fakes.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <memory>

namespace lumo::test {

class QuizTest : public ::testing::Test {
  protected:
    Platform platform;
    TempProgramFolder folder;
    std::unique_ptr<Form1> form;

    // The default course: three words, the second with a note.
    void SetUp() override
    {
        folder.write(QStringLiteral("filelist.dat"), QStringLiteral("eng-1-1.dat\n\neng-1-2.dat\n"));
        folder.write(QStringLiteral("eng-1-1.dat"), QStringLiteral("apple,りんご\nman,男の人,マン\nmake,作る\n"));
        folder.write(QStringLiteral("eng-1-2.dat"), QStringLiteral("cat,ねこ\ndog,いぬ\n"));
        folder.write(QStringLiteral("諺.txt"), QString());
        folder.write(QStringLiteral("例文-2.txt"), QString());
        folder.write(QStringLiteral("例文.txt"),
                     QStringLiteral("I make a cake.\n私はケーキを作る。\nAn apple a day.\n一日一個のりんご。\n"));
    }

    Form1& open()
    {
        form = std::make_unique<Form1>();
        return *form;
    }

    // Picks the words at these rows of the meaning list.
    void pick(std::initializer_list<int> rows)
    {
        for (int row : rows)
            form->List2_Click(row);
    }

    // Types an answer and presses Enter.
    void answer(const QString& text)
    {
        form->Text2->setText(text);
        form->Command3_Click();
    }

    QStringList items(QListWidget* list) const
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out.append(list->item(i)->text());
        return out;
    }
};

} // namespace lumo::test
