#pragma once
// Anki's packages (.apkg for decks, .colpkg for whole collections): a zip
// holding the collection as an SQLite database, in one of the layouts Anki
// has written — "collection.anki2" (Anki 2.0), "collection.anki21" (2.1,
// beside a stub collection.anki2) or "collection.anki21b" (2.1.50 and later:
// zstd-compressed, note types, fields and decks in tables of their own, with
// a "meta" file saying so and again a stub collection.anki2).

#include "exchange/deckbook.h"

namespace lumo::exchange {

// An entry that would expand past this is refused, whatever its header says.
inline constexpr qint64 kMaxPackageEntryBytes = qint64(512) * 1024 * 1024;

// One part per deck and note type holding notes, named "deck ／ note type",
// its columns the note type's fields. The collection is unpacked into a
// temporary file that SQLite reads page by page, so only the notes' text is
// held in memory. A damaged, encrypted, oversized or foreign file gives a
// problem and no parts.
DeckBook readAnkiPackage(const QString& path, ImportProgress& progress);

class AnkiReader : public DeckReader {
  public:
    DeckBook read(const QString& path, ImportProgress& progress) const override
    {
        return readAnkiPackage(path, progress);
    }
};

} // namespace lumo::exchange
