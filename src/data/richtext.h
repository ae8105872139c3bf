#pragma once
// Text files as the program's text boxes show them.
#include "data/textfile.h"

#include <QString>

namespace lumo {

// The text a rich-text (RTF) document shows: paragraphs end in CR LF,
// formatting, font and colour tables and other hidden groups are dropped,
// \'hh bytes are read as code page 932 and \uN as Unicode. Text that does not
// start with "{\rtf" is returned as it is.
QString plainTextOfRichText(const QString& text);

// A loaded file's text as a text box holds it: rich text reduced to the text
// it shows, CR LF between lines whatever breaks the file was saved with.
QString loadedText(const QString& fileText);

// Reads a file as a text box shows it: its loadedText(), lines over
// kMaxShownLineLength cut (counted in cutLines). A file over `maxBytes`, or
// with more than `maxLines` lines (when not 0), is refused as TooLarge.
TextFile readShownText(const QString& path, qint64 maxBytes = kMaxTextFileBytes, qsizetype maxLines = 0);

} // namespace lumo
