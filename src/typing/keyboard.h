#pragma once
// The trainer's drawn keyboard: the 40 keys of the character block of a
// QWERTY keyboard, four rows of ten, with the finger that strikes each column,
// and where every picture, letter, strip and label of it stands (in twips).
#include <QRect>
#include <QString>

#include <array>

namespace lumo::typing {

inline constexpr int kKeyCount = 40;
inline constexpr int kColumns = 10;

// The key captions in key-index order (index = 1-based position).
inline const QString keyChars = QStringLiteral("1234567890qwertyuiopasdfghjkl;zxcvbnm,./").toUpper();

// Key index 1..40 of a character (exact, case-sensitive), 0 when the
// character is not on the keyboard or is not exactly one character.
int keyIndex(const QString& ch);
inline int keyRow(int index)
{
    return (index - 1) / kColumns + 1;
}
inline int keyColumn(int index)
{
    return index - kColumns * (keyRow(index) - 1);
}

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Finger {
    QString caption; // 小指, 薬指, 中指, 人差指
    Rgb colour;      // of the strips under the column and of its label
};
Finger fingerOfColumn(int column);

// Positions of the keyboard's parts, computed from the template key
// picture's rectangle (510 × 540 at 270, 1575 in the window's design).
class KeyboardLayout {
  public:
    static constexpr QRect kTemplatePicture{270, 1575, 510, 540};
    static constexpr QSize kLetterSize{465, 375};
    static constexpr QSize kCupSize{450, 855};
    static constexpr QSize kCupLetterSize{420, 420};

    explicit KeyboardLayout(QRect templatePicture = kTemplatePicture);

    QRect picture(int index) const;      // Image1(i)
    QRect letter(int index) const;       // key1(i)
    QRect strip(int index) const;        // lbHozyo(i)
    QRect fingerLabel(int column) const; // lbYubi(c), under row 4
    QRect cup(int column) const;         // Image2(c), on the row-2 key
    QRect cupLetter(int column) const;   // lbCup(c)

  private:
    int offset(int index) const; // x: the key's left edge minus the template's left
    int top(int row) const;

    QRect m_template;
    std::array<int, 5> m_rowTop{}; // 1..4
};

} // namespace lumo::typing
