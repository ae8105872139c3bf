#include "reference_vectors.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace lumo::test {
namespace {

QDate isoDate(const QJsonValue& value)
{
    return QDate::fromString(value.toString(), Qt::ISODate);
}

std::vector<ReferenceSequence> load()
{
    QFile file(QStringLiteral(LUMO_FIXTURES_DIR "review-vectors.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<ReferenceSequence> sequences;
    const QJsonArray array = QJsonDocument::fromJson(file.readAll()).object().value(u"sequences").toArray();
    for (const QJsonValue& value : array) {
        const QJsonObject object = value.toObject();
        ReferenceSequence sequence;
        sequence.name = object.value(u"name").toString();
        for (const QJsonValue& line : object.value(u"history").toArray())
            sequence.history.push_back(
                {line.toObject().value(u"date").toString(), line.toObject().value(u"marks").toString()});
        for (const QJsonValue& stepValue : object.value(u"steps").toArray()) {
            const QJsonObject step = stepValue.toObject();
            sequence.steps.push_back(ReferenceStep{
                isoDate(step.value(u"date")), static_cast<Rating>(step.value(u"rating").toInt()),
                static_cast<MemoryState>(step.value(u"state").toInt()), step.value(u"stability").toDouble(),
                step.value(u"difficulty").toDouble(), step.value(u"scheduledDays").toInt(),
                step.value(u"learningStep").toInt(), isoDate(step.value(u"due"))});
        }
        sequence.today = isoDate(object.value(u"today"));
        sequence.retrievability = object.value(u"retrievability").toDouble();
        sequences.push_back(std::move(sequence));
    }
    return sequences;
}

} // namespace

const std::vector<ReferenceSequence>& referenceSequences()
{
    static const std::vector<ReferenceSequence> sequences = load();
    return sequences;
}

} // namespace lumo::test
