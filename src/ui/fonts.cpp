#include "ui/fonts.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace lumo {

QFont uiFont(Face face, double pointSize, bool bold)
{
    QFont font;
    switch (face) {
    case Face::Gothic:
        font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"), QStringLiteral("IPAGothic"),
                          QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"),
                          QStringLiteral("sans-serif")});
        break;
    case Face::Serif:
        font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"),
                          QStringLiteral("IPAPMincho"), QStringLiteral("IPAPGothic"), QStringLiteral("serif")});
        break;
    case Face::Script:
        font.setFamilies({QStringLiteral("URW Chancery L"), QStringLiteral("Z003"), QStringLiteral("Liberation Serif"),
                          QStringLiteral("serif")});
        font.setItalic(true);
        break;
    case Face::Phonetic:
        font.setFamilies(
            {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Serif"), QStringLiteral("IPAPGothic")});
        break;
    }
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void useProgramFont()
{
    QApplication::setFont(uiFont(Face::Gothic));
}

void setColours(QWidget* w, const QColor& text, const QColor& background)
{
    QPalette palette = w->palette();
    if (text.isValid()) {
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::Text, text);
        palette.setColor(QPalette::ButtonText, text);
    }
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Base, background);
        palette.setColor(QPalette::Button, background);
        w->setAutoFillBackground(true);
    }
    w->setPalette(palette);
}

} // namespace lumo
