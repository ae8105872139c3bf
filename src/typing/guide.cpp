#include "typing/guide.h"

#include "typing/keyboard.h"

namespace lumo::typing {

void KeyGuide::showAll()
{
    for (int i = 1; i <= kKeyCount; ++i) {
        m_visible[i] = true;
        m_colour[i] = Colour::Blue;
    }
}

void KeyGuide::hideAll()
{
    m_visible.fill(false);
}

void KeyGuide::press(int index)
{
    if (!valid(index))
        return;
    if (!m_visible[index]) {
        m_colour[index] = Colour::Red;
        if (valid(m_redKey))
            m_visible[m_redKey] = false;
        m_visible[index] = true;
        m_redKey = index;
    } else {
        m_visible[index] = false;
        if (valid(m_redKey))
            m_visible[m_redKey] = false;
    }
}

void KeyGuide::showNext(const QString& ch)
{
    const int index = keyIndex(ch);
    if (index == 0)
        return;
    m_colour[index] = Colour::Blue;
    m_visible[index] = true;
}

} // namespace lumo::typing
