#include "taught_meaning.h"

#include <QRegularExpression>

#include <algorithm>

namespace lumo::content {
namespace {

// Endings cut off to reach the stem, the longer first: nouns with のある /
// のよい / ある, する verbs, past and て forms, negatives, then one-character
// endings of verbs, adjectives, the copula and particles.
const QStringList& stemEndings()
{
    static const QStringList endings = [] {
        QStringList list = {QStringLiteral("のある"), QStringLiteral("のよい"), QStringLiteral("する"),
                            QStringLiteral("した"),   QStringLiteral("して"),   QStringLiteral("った"),
                            QStringLiteral("って"),   QStringLiteral("いた"),   QStringLiteral("いて"),
                            QStringLiteral("んだ"),   QStringLiteral("んで"),   QStringLiteral("ある"),
                            QStringLiteral("ない")};
        for (QChar c : QStringLiteral("たてないのだへにでをとうくぐすつぬぶむる"))
            list << QString(c);
        return list;
    }();
    return endings;
}

bool isKanji(QChar c)
{
    return (c.unicode() >= 0x4e00 && c.unicode() <= 0x9fff) || c == u'々' || c == u'〆';
}

QString stripChars(QString text, const QString& chars)
{
    while (!text.isEmpty() && chars.contains(text.front()))
        text.remove(0, 1);
    while (!text.isEmpty() && chars.contains(text.back()))
        text.chop(1);
    return text;
}

QString stemOf(const QString& alt)
{
    static const QRegularExpression godanNegative(QStringLiteral("[かさたなまらわがばぱ]ない$"));
    if (alt.size() > 3 && godanNegative.match(alt).hasMatch())
        return alt.chopped(3);
    for (const QString& ending : stemEndings())
        if (alt.endsWith(ending) && alt.size() > ending.size())
            return alt.chopped(ending.size());
    return alt;
}

} // namespace

QStringList meaningForms(const QString& head)
{
    static const QRegularExpression remarks(QStringLiteral("（[^）]*）|\\([^)]*\\)|「|」"));
    static const QRegularExpression separators(QStringLiteral("[・、／/]"));
    static const QRegularExpression verbSlot(QStringLiteral("～(する|し)(?=.)"));
    QString text = head;
    text.remove(remarks);
    text.replace(u'〜', u'～');
    QStringList forms;
    for (QString alt : text.split(separators)) {
        alt.replace(verbSlot, QStringLiteral("～"));
        alt = stripChars(alt, QStringLiteral("～ 　"));
        if (alt.endsWith(QStringLiteral("～ない")))
            alt.chop(3); // the negation takes many forms (ない, ません)
        if (alt.isEmpty())
            continue;
        QString stem = stripChars(stemOf(alt), QStringLiteral("～"));
        if (stem.isEmpty() || (stem.size() < 2 && !isKanji(stem.front())))
            stem = alt;
        forms << stem;
    }
    return forms;
}

bool containsForm(const QString& form, const QString& text)
{
    qsizetype at = 0;
    for (const QString& piece : form.split(u'～')) {
        const qsizetype found = text.indexOf(piece, at);
        if (found < 0)
            return false;
        at = found + piece.size();
    }
    return true;
}

QString renderedForm(const QString& head, const QString& translation)
{
    for (const QString& form : meaningForms(head))
        if (containsForm(form, translation))
            return form;
    return {};
}

bool usedOnItsOwn(const QString& word, const QString& line, QStringList phrases)
{
    std::sort(phrases.begin(), phrases.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    QString rest = u' ' + line + u' ';
    for (const QString& phrase : phrases)
        rest.replace(u' ' + phrase + u' ', QStringLiteral(" | "));
    QString lowered = word;
    if (!lowered.isEmpty())
        lowered[0] = lowered[0].toLower();
    return rest.contains(u' ' + word + u' ') || rest.contains(u' ' + lowered + u' ');
}

QStringList shownEnglish(const QString& text)
{
    static const QRegularExpression english(QStringLiteral("[A-Za-z]{2,}"));
    QStringList words;
    for (auto it = english.globalMatch(text); it.hasNext();)
        words << it.next().captured();
    return words;
}

} // namespace lumo::content
