#pragma once
// Pronunciation in the notation of Japanese school English–Japanese
// dictionaries (/klóuz/, /fráidei/): a pronouncing dictionary of about
// 126,000 words and a reviewed table that says which of a word's
// pronunciations a course means. Both are UTF-8 files compiled into the
// program (the program folder's code page 932 cannot hold the symbols);
// scripts/make_pronunciation.py makes the dictionary, DESIGN.md lists the
// symbols.
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>

namespace lumo {

// A table of lines "word, tab, pronunciation[, tab, other pronunciation…]",
// LF-separated, sorted by the bytes of the word, searched in place.
class PronouncingDictionary {
  public:
    // `table` must outlive the dictionary; nothing is copied.
    explicit PronouncingDictionary(QByteArrayView table) : m_table(table) {}
    // The dictionary compiled into the program. The first call only finds
    // the table in the program's data; no line is read before a lookup.
    static const PronouncingDictionary& whole();
    // The table compiled into the program; its bytes stay in the program.
    static QByteArray compiledInTable();

    // Every pronunciation of `word` (small letters), the usual one first;
    // empty when the dictionary does not hold it.
    QStringList pronunciations(QStringView word) const;

  private:
    QByteArrayView m_table;
};

// Reviewed choices among a word's pronunciations: UTF-8 lines "English, tab,
// meaning, tab, transcription". A row with a meaning holds for the course
// line with that English and that meaning (close 閉める /klóuz/); a row
// with no meaning holds for a single word whatever it means, also inside
// phrases (with /wíð/). Lines starting with # are comments.
class PronunciationChoices {
  public:
    static const PronunciationChoices& reviewed();
    static PronunciationChoices fromText(const QString& text);

    QString forMeaning(const QString& english, const QString& meaning) const;
    QString forWord(const QString& word) const { return m_byWord.value(word); }

  private:
    QHash<QString, QString> m_byMeaning; // key: English, tab, meaning
    QHash<QString, QString> m_byWord;
};

// The transcription shown for a course line: the reviewed choice for its
// English and meaning head, or else word by word from the dictionary (each
// word's reviewed choice, or its usual pronunciation), words joined by a
// space. Empty when any word is not in the dictionary: no guesses.
QString transcription(const QString& english, const QString& meaning, const PronouncingDictionary& dictionary,
                      const PronunciationChoices& choices);
QString transcription(const QString& english, const QString& meaning);

// The words of `english` as the dictionary spells them: small letters,
// split at spaces, without the punctuation around a word.
QStringList dictionaryWords(const QString& english);

// How the transcription is shown beside the English: "apple  /ǽpəl/";
// empty without a transcription.
QString phoneticLine(const QString& english, const QString& transcription);

} // namespace lumo
