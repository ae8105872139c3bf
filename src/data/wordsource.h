#pragma once
// English words with their meanings, handed from the window that knows them
// (the quiz's selection, today's review, the words missed most) to the
// windows that practise them.
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

namespace lumo {

struct WordPair {
    QString english;
    QString meaning;
};
using WordList = std::vector<WordPair>;

// Asks for a list of words that may take a while to work out (it reads the
// learner's history): `then` is called on the thread of `context` once the
// words are known, and not at all when `context` has gone by then.
using WordSource = std::function<void(QObject* context, std::function<void(WordList)> then)>;

} // namespace lumo
