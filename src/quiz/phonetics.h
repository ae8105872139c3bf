#pragma once
// The pronunciation of the shipped course words in the International
// Phonetic Alphabet. The table (ipa.tsv, UTF-8: word, tab, IPA) is compiled
// into the program, because the program folder's files are code page 932,
// which cannot hold IPA; scripts/make_ipa.py makes it again from the courses.
#include <QHash>
#include <QString>

namespace lumo {

class PhoneticSpelling {
  public:
    // The table compiled into the program, read on first use.
    static const PhoneticSpelling& shipped();
    // A table from text in the table's format; lines without a tab are skipped.
    static PhoneticSpelling fromText(const QString& text);

    // The IPA of `english`, empty when the table has no such word. Spaces
    // around the word do not count; a word not found as written is looked up
    // in small letters, so a capitalised answer finds its word.
    QString ipa(const QString& english) const;
    qsizetype size() const { return m_ipa.size(); }

  private:
    QHash<QString, QString> m_ipa;
};

// How the phonetic spelling is shown beside the English: "apple /ˈæpəl/";
// empty without a transcription.
QString phoneticLine(const QString& english, const QString& ipa);

} // namespace lumo
