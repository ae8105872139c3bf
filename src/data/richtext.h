#pragma once
// Text files as the program's text boxes show them.
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

} // namespace lumo
