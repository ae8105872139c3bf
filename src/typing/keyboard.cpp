#include "typing/keyboard.h"

#include "base/random.h"

#include <cstdint>

namespace lumo::typing {

int keyIndex(const QString& ch)
{
    if (ch.size() != 1)
        return 0;
    return static_cast<int>(keyChars.indexOf(ch, 0, Qt::CaseSensitive)) + 1;
}

Finger fingerOfColumn(int column)
{
    switch (column) {
    case 1:
    case 10: return {QStringLiteral("小指"), {230, 230, 50}};
    case 2:
    case 9: return {QStringLiteral("薬指"), {180, 240, 140}};
    case 3:
    case 8: return {QStringLiteral("中指"), {150, 120, 220}};
    default: return {QStringLiteral("人差指"), {255, 128, 128}};
    }
}

KeyboardLayout::KeyboardLayout(QRect templatePicture) : m_template(templatePicture)
{
    // Rows stand 60 twips apart below the picture height; each top is
    // rounded like the left edges.
    const int h0 = m_template.height();
    m_rowTop[1] = roundHalfEven(m_template.y());
    for (int row = 2; row <= 4; ++row)
        m_rowTop[row] = roundHalfEven(m_rowTop[row - 1] + h0 + 60.0);
}

int KeyboardLayout::offset(int index) const
{
    const int w0 = m_template.width();
    // The row shift is a third of a key rounded to a whole twip, the gap a
    // quarter of that, kept fractional until the edge itself is rounded.
    const auto shift = static_cast<std::int16_t>(roundHalfEven(w0 / 3.0));
    const double gap = shift / 4.0;
    const int row = keyRow(index), column = keyColumn(index);
    return roundHalfEven(column * double(w0) + (row - 1) * double(shift) + column * gap);
}

int KeyboardLayout::top(int row) const
{
    return m_rowTop[row];
}

QRect KeyboardLayout::picture(int index) const
{
    return {m_template.x() + offset(index), top(keyRow(index)), m_template.width(), m_template.height()};
}

QRect KeyboardLayout::letter(int index) const
{
    const QRect pic = picture(index);
    return {pic.x(), pic.y() + 40, kLetterSize.width(), kLetterSize.height()};
}

QRect KeyboardLayout::strip(int index) const
{
    const QRect pic = picture(index);
    return {pic.x(), pic.y() + m_template.height(), m_template.width(), 50};
}

QRect KeyboardLayout::fingerLabel(int column) const
{
    const QRect pic = picture(30 + column);
    return {pic.x(), pic.y() + m_template.height() + 60, m_template.width(), 2 * m_template.height()};
}

QRect KeyboardLayout::cup(int column) const
{
    const QRect pic = picture(10 + column);
    return {pic.x(), pic.y(), kCupSize.width(), kCupSize.height()};
}

QRect KeyboardLayout::cupLetter(int column) const
{
    const QRect c = cup(column);
    return {c.x(), c.y() + 200, kCupLetterSize.width(), kCupLetterSize.height()};
}

} // namespace lumo::typing
