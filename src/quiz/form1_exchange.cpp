// Form1: the import and export items, fed with the window's course list,
// selection and history.
#include "quiz/form1.h"

#include "exchange/exchangemenu.h"

#include <QListWidget>

namespace lumo {

void Form1::buildWordExchange(QMenu* fileMenu)
{
    exchange::WordExchange::Hooks hooks;
    hooks.programFolder = [this] { return programFolder; };
    hooks.chosenCourse = [this] {
        // The course chosen in the list, else the one loaded at start-up.
        const QListWidgetItem* current = List1->currentItem();
        return current && !current->text().isEmpty() ? current->text() : QStringLiteral("eng-1-1.dat");
    };
    hooks.selection = [this] {
        std::vector<exchange::WordPair> pairs;
        for (int k = 1; k <= kMaxQuestions && !english[k].isEmpty(); ++k)
            pairs.push_back({english[k], meaning[k]});
        return pairs;
    };
    hooks.currentHistory = [this] { return richDatakioku->Text(); };
    hooks.courseAdded = [this](const QString& name) {
        List1->addItem(name);
        List1->setCurrentRow(List1->count() - 1);
        List1_choose();
    };
    new exchange::WordExchange(this, fileMenu, std::move(hooks));
}

} // namespace lumo
