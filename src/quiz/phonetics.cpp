#include "quiz/phonetics.h"

#include <QFile>
#include <QStringView>

namespace lumo {

PhoneticSpelling PhoneticSpelling::fromText(const QString& text)
{
    PhoneticSpelling table;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const qsizetype tab = line.indexOf(u'\t');
        if (tab <= 0)
            continue;
        table.m_ipa.insert(line.first(tab).toString(), line.sliced(tab + 1).trimmed().toString());
    }
    return table;
}

const PhoneticSpelling& PhoneticSpelling::shipped()
{
    static const PhoneticSpelling table = [] {
        QFile file(QStringLiteral(":/quiz/ipa.tsv"));
        if (!file.open(QIODevice::ReadOnly))
            return PhoneticSpelling();
        return fromText(QString::fromUtf8(file.readAll()));
    }();
    return table;
}

QString PhoneticSpelling::ipa(const QString& english) const
{
    const QString word = english.trimmed();
    if (word.isEmpty())
        return {};
    auto found = m_ipa.constFind(word);
    if (found == m_ipa.cend())
        found = m_ipa.constFind(word.toLower());
    return found == m_ipa.cend() ? QString() : *found;
}

QString phoneticLine(const QString& english, const QString& ipa)
{
    if (ipa.isEmpty())
        return {};
    return english.trimmed() + QStringLiteral("  /") + ipa + u'/';
}

} // namespace lumo
