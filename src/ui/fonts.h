#pragma once
// The program's three typefaces, mapped to installed equivalents in one place.
#include <QColor>
#include <QFont>

class QWidget;

namespace lumo {

enum class Face {
    Gothic, // ＭＳ Ｐゴシック: proportional Japanese Gothic (IPAPGothic)
    Serif,  // Times New Roman (Liberation Serif)
    Script, // Embassy JS (a script face when installed, else a serif)
};

QFont uiFont(Face face, double pointSize = 9, bool bold = false);

// Menus, message boxes and every control without a designed font use the
// Japanese Gothic too, at the desktop's size: one face for the whole program
// instead of a Latin face with a Japanese fallback loaded beside it.
void useGothicForStandardControls();

// Text colour and background of a control (an invalid colour leaves that one unchanged).
void setColours(QWidget* w, const QColor& text, const QColor& background = QColor());

} // namespace lumo
