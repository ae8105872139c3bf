// Word lists of other programs: text files through the import's reading,
// splitting and planning, and KDE vocabulary files. Whatever comes in, every
// planned pair makes one course line that the course reader takes back whole.
#include "fuzz_support.h"

#include "data/course.h"
#include "exchange/kvtml.h"
#include "exchange/wordimport.h"

namespace {

void checkPlan(const lumo::exchange::DelimitedTable& table)
{
    using namespace lumo::exchange;
    const ImportPlan plan = planImport(table, guessColumns(table));
    const lumo::CourseLines back = lumo::parseCourse(courseText(plan.pairs), lumo::CourseFilter::All, 1 << 30);
    FUZZ_EXPECT(back.count() == static_cast<int>(plan.pairs.size()));
    for (size_t i = 0; i < plan.pairs.size(); ++i) {
        FUZZ_EXPECT(back.english[static_cast<qsizetype>(i)] == plan.pairs[i].english);
        FUZZ_EXPECT(back.meanings[static_cast<qsizetype>(i)] == plan.pairs[i].japanese);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace lumo::exchange;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const DecodedSource source = decodeSource(bytes);
    const DelimitedTable table = parseDelimited(source.text);
    for (const SourceRow& row : table.rows)
        FUZZ_EXPECT(row.fields.size() <= table.columnCount);
    checkPlan(table);
    const DeckBook book = readKvtml(bytes, QStringLiteral("fuzz.kvtml"));
    FUZZ_EXPECT(book.problem.isEmpty() != book.parts.empty());
    for (const DeckPart& part : book.parts)
        checkPlan(part.table);
    return 0;
}
