// The module that reads Anki packages, loaded the first time a learner
// imports one: it alone links the zip, zstd and SQLite libraries.
#include "exchange/ankipackage.h"

extern "C" Q_DECL_EXPORT lumo::exchange::DeckReader* lumo_create_deck_reader()
{
    return new lumo::exchange::AnkiReader;
}
