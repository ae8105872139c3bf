#pragma once
// The rich-text box: a text area that also serves, hidden, as a file reader
// and as the holder of a long text. Its text uses CR LF between lines, like
// the files it reads and writes. A hidden box keeps the text as a plain
// string and fills its document only when it is shown, so holding a text of
// several megabytes costs nothing.

#include "data/textfile.h"

#include <QTextEdit>

namespace lumo {

class RichTextBox : public QTextEdit {
    Q_OBJECT
  public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // The whole content, CR LF between lines.
    const QString& Text() const { return m_text; }
    void setText(const QString& text);
    // Colours the characters start .. start + length − 1 of Text() (0-based);
    // the rest keeps its colour.
    void selectAndColour(qsizetype start, qsizetype length, const QColor& colour);
    // Writes Text() as code page 932 plain text, replacing any file.
    WriteResult SaveFile(const QString& path) const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void syncDocument();
    void takeUserEdit();
    qsizetype documentPosition(qsizetype textPosition) const;

    QString m_text;
    bool m_documentStale = false;
    bool m_syncing = false;
};

} // namespace lumo
