#pragma once
// KDE's vocabulary files (KWordQuiz, Parley and their older kvoctrain): XML
// in KVTML 2.0, or the older 1.0 with <e>, <o> and <t> elements.

#include "exchange/deckbook.h"
#include "exchange/wordexport.h"

#include <QByteArray>

namespace lumo::exchange {

// One column for each language of the file (named by its name or locale) and
// one for each language's comments when any entry has one; the parts are
// every entry, then each lesson that holds entries (nested lessons named
// "outer / inner"). Text in the fields is plain (no HTML).
DeckBook readKvtml(const QByteArray& bytes, const QString& fileName);

// A KVTML 2.0 file of the pairs with two languages, English (en) and
// Japanese (ja), every entry in one lesson named `title`.
QByteArray kvtmlBytes(const std::vector<WordPair>& pairs, const QString& title);

} // namespace lumo::exchange
