#pragma once
// Small rules of the quiz that need no window.
#include <QString>

#include <optional>

namespace lumo {

// An answer is right when both texts, without leading and trailing spaces
// and in capitals, are equal; inner spaces, punctuation and full-width
// characters count.
bool answerMatches(const QString& typed, const QString& expected);

// The number a reply to a numbered choice starts with ("2", " 3 ", "1.6" → 2,
// "2abc" → 2, full-width "２" → 2), rounded half to even; 0 for an empty or
// non-numeric reply; nullopt when it does not fit a 16-bit integer.
std::optional<int> numberedChoice(const QString& reply);

// How a letter button, SPACE, BS or DEL changes the answer box.
enum class LetterAction {
    Insert,    // the letter goes in at the caret, the caret after it
    Overwrite, // the character at the caret is replaced (DEL: by nothing)
    BackStep,  // the character before the caret is replaced, the caret before it
};
struct AnswerEdit {
    QString text;
    int caret = 0;
    bool textChanged = false; // the box gets the new text
    bool takesFocus = false;  // the box gets the focus back
};
// `at` is where the selection starts, or the caret without a selection.
AnswerEdit editAnswer(const QString& text, int at, LetterAction action, const QString& letter);

// The order and case of the on-screen letter buttons.
class LetterLayout {
  public:
    static constexpr int kKeys = 31;
    // The letters of the buttons, button 0 first.
    const QString& letters() const { return m_letters; }
    bool capitals() const { return m_capitals; }
    // Capitals and small letters swap (大文字小文字変換).
    void toggleCase();
    // The keyboard order and the alphabetical order swap.
    void toggleOrder();
    // The button that shows the letter typed on the keyboard, -1 for none.
    int buttonOfTyped(QChar typed) const;

  private:
    QString m_letters = QStringLiteral("qwertyuiopasdfghjkl;:zxcvbnm,.?");
    bool m_capitals = false;
    bool m_alphabetical = false;
};

} // namespace lumo
