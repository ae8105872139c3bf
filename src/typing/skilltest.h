#pragma once
// The one-minute skill tests: which words each level takes, the countdown
// and the score text shown at the end.
#include <QString>

#include <cstdint>

namespace lumo::typing {

enum class TestLevel { Low = 1, Mid = 2, High = 3 };

// The hard test shows its words on cups instead of the keyboard.
inline bool usesCups(TestLevel level)
{
    return level == TestLevel::High;
}

inline constexpr int kTestSeconds = 60;

// Correct presses minus three times the wrong ones (never overflows: the
// counts are 16-bit, the score is not).
inline int testScore(std::int16_t correct, std::int16_t wrong)
{
    return int(correct) - 3 * int(wrong);
}

// The characters typed per 10 minutes, as the result and the learning record
// give them: the net characters of the minute (the score: a wrong press
// takes back three right ones) times ten. The grade guide is measured in
// them. No count of characters is below zero, whatever the score.
inline int charactersPer10Minutes(int score)
{
    return score > 0 ? score * 10 : 0;
}

// "あなたの成績は90点です。１０分あたり900字入力" CR LF and the grade guide.
QString resultText(int score);
// The same as the label shows it: word joiners (U+2060, never seen) hold the
// words of the guide together, so a narrow label wraps the guide only at its
// spaces, never inside "500字以上".
inline constexpr QChar kWordJoiner = QChar(0x2060);
QString resultLabelText(int score);

// The countdown of a running test, one tick a second.
class Countdown {
  public:
    void start()
    {
        m_left = kTestSeconds;
        m_running = true;
    }
    void stop() { m_running = false; }
    bool running() const { return m_running; }
    int secondsLeft() const { return m_left; }
    // One second less; true when this tick ended the test.
    bool tick();

  private:
    int m_left = kTestSeconds;
    bool m_running = false;
};

} // namespace lumo::typing
