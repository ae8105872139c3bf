#pragma once
// Word lists that come in parts the learner picks one of: the decks and note
// types of an Anki package, the lessons of a KDE vocabulary file. Each part is
// a table like one read from a text file, its columns named by the file.

#include "exchange/textimport.h"

#include <QString>

#include <vector>

namespace lumo::exchange {

struct DeckPart {
    QString name;         // as the choice of parts shows it
    DelimitedTable table; // one row per note or entry; columnNames from the file
};

struct DeckBook {
    QString format; // what the file is, for the import dialog ("Anki パッケージ（collection.anki21b）")
    std::vector<DeckPart> parts;
    QString problem; // a Japanese sentence naming the file when it cannot be read
};

// Reads a deck file: the Anki reader lives in a module loaded on first use
// (it needs the zip, zstd and SQLite libraries), so it is reached through this.
class DeckReader {
  public:
    virtual ~DeckReader() = default;
    virtual DeckBook read(const QString& path, ImportProgress& progress) const = 0;
};

} // namespace lumo::exchange
