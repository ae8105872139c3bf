#include "typing/skilltest.h"

namespace lumo::typing {

QString resultText(int score)
{
    return QStringLiteral("あなたの成績は") + QString::number(score) + QStringLiteral("点です。１０分あたり") +
           QString::number(charactersPer10Minutes(score)) + QStringLiteral("字入力") + QStringLiteral("\r\n") +
           QStringLiteral("目安　１級　800字以上　　２級　600字以上　　３級　500字以上　　４級　400字以上");
}

QString resultLabelText(int score)
{
    const QString text = resultText(score);
    const qsizetype guide = text.indexOf(u'\n') + 1;
    QString shown = text.left(guide);
    for (qsizetype i = guide; i < text.size(); ++i) {
        shown += text[i];
        if (i + 1 < text.size() && text[i] != u'　' && text[i + 1] != u'　')
            shown += kWordJoiner;
    }
    return shown;
}

bool Countdown::tick()
{
    if (!m_running)
        return false;
    --m_left;
    if (m_left > 0)
        return false;
    m_left = 0;
    m_running = false;
    return true;
}

} // namespace lumo::typing
