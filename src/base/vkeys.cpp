#include "base/vkeys.h"

namespace lumo::vk {

QChar printedCharacter(int code)
{
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9') || code == Space)
        return QChar(code);
    if (code >= Numpad0 && code <= Numpad0 + 9)
        return QChar('0' + code - Numpad0);
    switch (code) {
    case Multiply: return u'*';
    case Add: return u'+';
    case Subtract: return u'-';
    case Decimal: return u'.';
    case Divide: return u'/';
    case Oem1: return u':';
    case OemPlus: return u';';
    case OemComma: return u',';
    case OemMinus: return u'-';
    case OemPeriod: return u'.';
    case Oem2: return u'/';
    case Oem3: return u'@';
    case Oem4: return u'[';
    case Oem5: return u'\\';
    case Oem6: return u']';
    case Oem7: return u'^';
    case Oem102: return u'\\';
    default: return {};
    }
}

} // namespace lumo::vk
