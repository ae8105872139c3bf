#pragma once
// The finger guide on the key letters: a blue letter marks the key to press
// next, a red one the last key pressed while it was not marked. Only the
// visibility and colour of the 40 letters change; the window draws them.
#include <QString>

#include <array>

namespace lumo::typing {

class KeyGuide {
  public:
    enum class Colour { Blue, Red };

    bool visible(int index) const { return valid(index) && m_visible[index]; }
    Colour colour(int index) const { return valid(index) ? m_colour[index] : Colour::Blue; }
    int redKey() const { return m_redKey; }

    // Every letter visible in blue, as the keyboard is first drawn.
    void showAll();
    // Every letter hidden (a line is about to be shown).
    void hideAll();
    // A press of key `index` (0: a key that is not on the keyboard). A press
    // of an unmarked key turns it red and clears the previous red one; a press
    // of a marked key (blue or red) hides it and the red one.
    void press(int index);
    // Marks the key of `ch` blue; a character not on the keyboard marks none.
    void showNext(const QString& ch);

  private:
    static bool valid(int index) { return index >= 1 && index <= 40; }

    std::array<bool, 41> m_visible{};
    std::array<Colour, 41> m_colour{};
    int m_redKey = 0;
};

} // namespace lumo::typing
