#include "widgets/richtextbox.h"

#include "data/textfile.h"

#include <QTextCharFormat>
#include <QTextCursor>

namespace lumo {

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent)
{
    setAcceptRichText(false);
    connect(this, &QTextEdit::textChanged, this, &RichTextBox::takeUserEdit);
}

void RichTextBox::setText(const QString& text)
{
    m_text = text;
    m_documentStale = true;
    if (isVisible())
        syncDocument();
}

void RichTextBox::syncDocument()
{
    if (!m_documentStale)
        return;
    // The document shows every line break as one paragraph; carriage returns
    // are part of the stored text only.
    QString shown = m_text;
    shown.remove(u'\r');
    m_syncing = true;
    setPlainText(shown);
    m_syncing = false;
    m_documentStale = false;
}

void RichTextBox::takeUserEdit()
{
    if (m_syncing)
        return;
    QString text = toPlainText();
    text.replace(u'\n', kCrLf);
    m_text = text;
}

qsizetype RichTextBox::documentPosition(qsizetype textPosition) const
{
    textPosition = std::clamp<qsizetype>(textPosition, 0, m_text.size());
    return textPosition - QStringView(m_text).first(textPosition).count(u'\r');
}

void RichTextBox::selectAndColour(qsizetype start, qsizetype length, const QColor& colour)
{
    if (length <= 0)
        return;
    syncDocument();
    m_syncing = true;
    QTextCursor cursor(document());
    cursor.setPosition(int(documentPosition(start)));
    cursor.setPosition(int(documentPosition(start + length)), QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setForeground(colour);
    cursor.mergeCharFormat(format);
    m_syncing = false;
}

WriteResult RichTextBox::SaveFile(const QString& path) const
{
    return writeTextFile(path, m_text);
}

void RichTextBox::showEvent(QShowEvent* event)
{
    syncDocument();
    QTextEdit::showEvent(event);
}

} // namespace lumo
