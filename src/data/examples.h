#pragma once
// Example sentences and proverbs: the three example files joined into one
// text at start-up, and the lookup that finds the sentence pair for a word.

#include <QString>
#include <QStringList>

#include <optional>

namespace lumo {

// The example files in the order they are joined.
inline constexpr const char* kExampleFiles[] = {"諺.txt", "例文.txt", "例文-2.txt"};

// The joined example text of the program folder `folder` (with its trailing
// separator): each file's text appended as it is, nothing between files,
// every line break written as CR LF (a file saved with bare LF or CR breaks
// reads like any other). A missing or unreadable file counts as empty; its
// problem is described in `problems` (one Japanese sentence naming the file
// per entry).
struct ExampleText {
    QString text;
    QStringList problems;
};
ExampleText loadExampleText(const QString& folder);

// The example lookup over the joined example text (built once at start-up).
class ExampleLookup {
  public:
    ExampleLookup() = default;
    explicit ExampleLookup(QString exampleText);

    // The stored example for the English word `ex`: the first line holding
    // " ex " (or, when there is none, " ex " with its first letter in lower
    // case), taken up to and including its CR, then CR LF and the next line
    // up to and including its CR. The search for that line starts at most
    // 200 characters before the first occurrence, so a match far into a
    // long line keeps only the 200 characters before it. nullopt when the
    // word is not found (or no line is taken): the slot then stays as it was.
    std::optional<QString> find(const QString& ex) const;

    const QString& text() const { return m_text; }

  private:
    QString m_text; // the example text, shared with whoever else holds it
};

} // namespace lumo
