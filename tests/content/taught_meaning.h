#pragma once
// How the content checks decide that an example sentence shows a word in the
// meaning its course teaches: the translation must hold one of the forms of
// the meaning's head (the same rules as scripts/check_content.py).
#include <QString>
#include <QStringList>

namespace lumo::content {

// The texts one of which a translation must contain to render `head`: the
// head without its bracketed remarks, split at ・ and 、, each alternative cut
// to the stem its inflected forms share (食べる → 食べ, 高い → 高, 静かな →
// 静か, 練習する → 練習, 進まない → 進). A stem that would be a single kana
// stays whole. A ～ inside a form stands for any text; "～する" and "～し"
// stand for the verb put in; a closing ～ない is left out (決して～ない → 決して).
QStringList meaningForms(const QString& head);

// Whether the pieces of `form` between its ～ marks occur in `text` in order.
bool containsForm(const QString& form, const QString& text);

// The form of `head` that `translation` holds, or an empty string.
QString renderedForm(const QString& head, const QString& translation);

// Whether `word` occurs in `line` outside each of the longer course entries
// `phrases` that contain it (stand in "stand out" does not count).
bool usedOnItsOwn(const QString& word, const QString& line, QStringList phrases);

// English words of two letters or more in a meaning or a note: the word list
// shows both beside the question, so any English there can give it away.
QStringList shownEnglish(const QString& text);

} // namespace lumo::content
