#pragma once
// Judging one key press against the line being typed, and the trainer state
// it works on. The window shows what the outcome says (counts, sounds, the
// guide, the next line); everything decided here is free of widgets.
#include "typing/courses.h"

#include <QString>

#include <cstdint>

namespace lumo::typing {

enum class Display { Guide = 0, Cups = 1 };

struct TrainerState {
    LineTables lines;
    int lineNo = 0;
    std::int16_t correctCount = 0; // correct presses since the course was chosen
    std::int16_t wrongCount = 0;   // wrong presses since the course was chosen
    bool autoNext = false;         // go on to the next line when one is finished
    bool kanaMode = false;         // the kana courses always go on
    Display displayMode = Display::Guide;
    QString typedChar; // character of the last judged key
    int charPos = 0;   // 1-based position of the next character; 0 reads as 1

    const QString& currentLine() const;
    const QString& currentHint() const;
};

// The character printed on a key, upper-cased, or empty for keys that print
// nothing (Shift, Ctrl, arrows, Enter, function keys ...): those are not judged.
QString typedCharacter(int keyCode);
// Character `pos` (1-based) of `line`, upper-cased; empty past either end.
QString expectedAt(const QString& line, int pos);
// One more, stopping at the largest count a 16-bit counter holds.
std::int16_t countUp(std::int16_t count);

// What follows a judged press.
enum class Then {
    Stay,          // keep typing this line (the guide shows `next`)
    NextLineGuide, // line finished with auto-advance: show the next line
    EndOfLine,     // line finished without auto-advance: stop with a message
    NextLineCups,  // word finished in the cup display: show the next word
};

struct KeyOutcome {
    bool judged = false; // false: the key prints nothing, nothing changed
    bool correct = false;
    QString expected;  // the character that was to be typed, empty when none
    int keyIndex = 0;  // of the typed character, 0 when not on the keyboard
    QString next;      // the character now expected (guide display)
    int cupToHide = 0; // cup display: the cup of the character just typed
    Then then = Then::Stay;
};

// Judges a key press (a Windows key code) and counts it; for a finished line
// it also moves `lineNo` on (with advanceLine) or resets `charPos`.
KeyOutcome judgeKey(TrainerState& s, int keyCode);

// The line after the current one; past the last filled line typing goes on
// from line 1.
void advanceLine(TrainerState& s);

// Resets before a course: counts, kana mode and the tables (not autoNext).
void clearCourse(TrainerState& s);

} // namespace lumo::typing
