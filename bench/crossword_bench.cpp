// How fast a crossword is built, and how full the shipped courses fill it.
//   crossword_bench --benchmark_filter=Course   words and letters per grid
#include "base/programfolder.h"
#include "base/random.h"
#include "crossword/crosswordwindow.h"
#include "crossword/grid.h"
#include "crossword/wordfile.h"
#include "data/textfile.h"

#include "widgetbenchmain.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

using namespace lumo;
using namespace lumo::cross;

namespace {

// Draws from a seeded engine; reseeding from the clock is left out so every
// run sees the same grids.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(unsigned seed) : m_engine(seed), m_guard(this) {}
    float next() override { return float(m_engine() >> 8) / 16777216.0f; }
    void randomize() override {}

  private:
    std::mt19937 m_engine;
    ScopedSeam<RandomSource> m_guard;
};

const QString kShipped = QStringLiteral(LUMO_PROGRAM_DIR);

// Every shipped word, repeated until there are exactly 1000: the largest
// course the window reads.
WordList thousandWords()
{
    const WordList all = readWordFiles(kShipped, 1, kWordFileCount).words;
    WordList words;
    for (std::size_t i = 0; !all.empty() && words.size() < std::size_t(kMaxWords); ++i)
        words.push_back(all[i % all.size()]);
    return words;
}

void BM_CrossMake1000(benchmark::State& state)
{
    const WordList words = thousandWords();
    SeededRandom random(1);
    Crossword grid;
    for (auto _ : state) {
        WordList shuffled = words;
        mixWords(shuffled, random);
        grid.setWords(std::move(shuffled));
        grid.generate();
        benchmark::DoNotOptimize(grid.yokoCount());
    }
    state.counters["words"] = grid.yokoCount() + grid.tateCount();
}
BENCHMARK(BM_CrossMake1000)->Unit(benchmark::kMicrosecond);

// The whole puzzle sequence of the window: read the files, shuffle, build,
// put the grid on the cells; with the second argument also paint it.
void BM_WindowPuzzle1000(benchmark::State& state)
{
    QTemporaryDir dir;
    QString text;
    for (const WordEntry& w : thousandWords())
        text += w.eng + u',' + w.jap + QStringLiteral("\r\n");
    writeTextFile(dir.filePath(QStringLiteral("word-1.dat")), text);
    writeTextFile(dir.filePath(QStringLiteral("word-2.dat")), QString());
    writeTextFile(dir.filePath(QStringLiteral("word-3.dat")), QString());
    setProgramFolder(dir.path());
    SeededRandom random(2);
    {
        CrosswordWindow window;
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        // The start prompt clicked away, then 次問題 again and again.
        QAction* next = window.findChild<QAction*>(QStringLiteral("mnuNext"));
        window.findChild<QWidget*>(QStringLiteral("Text1"))->hide();
        next->trigger();
        const bool paint = state.range(0) != 0;
        if (paint)
            window.show();
        for (auto _ : state) {
            next->trigger();
            if (paint)
                window.repaint();
        }
        state.counters["words"] = window.grid().yokoCount() + window.grid().tateCount();
    }
    setProgramFolder(QString());
}
BENCHMARK(BM_WindowPuzzle1000)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Average words and letters placed per grid for a shipped course, over 200
// shuffles.
void BM_CourseFill(benchmark::State& state)
{
    const int course = int(state.range(0));
    const auto [fromNo, toNo] = courseFiles(course);
    const WordList words = readWordFiles(kShipped, fromNo, toNo).words;
    constexpr int kSeeds = 200;
    double placed = 0, letters = 0;
    for (auto _ : state) {
        placed = letters = 0;
        for (int seed = 1; seed <= kSeeds; ++seed) {
            SeededRandom random(seed);
            WordList shuffled = words;
            mixWords(shuffled, random);
            Crossword grid;
            grid.setWords(std::move(shuffled));
            grid.generate();
            placed += grid.yokoCount() + grid.tateCount();
            for (int row = 1; row <= kGridSize; ++row)
                for (int col = 1; col <= kGridSize; ++col)
                    letters += grid.isLetter(row, col);
        }
    }
    state.counters["entries"] = double(words.size());
    state.counters["words"] = placed / kSeeds;
    state.counters["letters"] = letters / kSeeds;
}
BENCHMARK(BM_CourseFill)->DenseRange(1, kCourseCount)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv, [] { Q_INIT_RESOURCE(assets); });
}
