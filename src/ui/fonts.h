#pragma once
// The program's three typefaces, mapped to installed equivalents in one place.
#include <QColor>
#include <QFont>

class QWidget;

namespace lumo {

enum class Face {
    Gothic,   // ＭＳ Ｐゴシック: proportional Japanese Gothic (IPAPGothic)
    Serif,    // Times New Roman (Liberation Serif)
    Script,   // Embassy JS (a script face when installed, else a serif)
    Phonetic, // IPA symbols (DejaVu Sans has them all)
};

QFont uiFont(Face face, double pointSize = 9, bool bold = false);

// Makes the program's Gothic the application font, so message boxes, dialogs
// and anything else without a font of its own never fall back to the
// desktop's default family. Call once, after the QApplication exists.
void useProgramFont();

// Text colour and background of a control (an invalid colour leaves that one unchanged).
void setColours(QWidget* w, const QColor& text, const QColor& background = QColor());

} // namespace lumo
