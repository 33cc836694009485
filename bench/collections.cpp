// Teachers' collections: how long loading takes and how much memory the grown
// bank holds, for 1,000 and 10,000 generated sentences (one file, and one
// file per sentence), and the draw in a bank of 10,000 with none used, with
// one left and with none left. The collections are put where the program
// looks for them, through XDG_DATA_HOME and XDG_DATA_DIRS of a temporary
// folder. Prints a Markdown table.
// Usage: bench_collections [--write <folder> <sentences>]
//   --write only generates a collection file in <folder> and exits (for the
//   start-up benchmark of run-bench.sh).

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <malloc.h>
#include <sstream>
#include <string>

#include "bench_common.h"
#include "engine/collection_bank.h"
#include "engine/random_source.h"
#include "platform/collection_folders.h"

namespace {

const char *const kWords[] = {"il", "cane", "della", "vicina", "corre", "sempre", "nel", "prato", "verde",
                              "ma", "oggi", "piove", "e", "resta", "in", "casa", "con", "noi", "oh!",
                              "ha mangiato", "tutti", "gli", "amici", "felici"};
const char *const kAnalyses[] = {"art det m s", "nome m s", "prep", "nome f s", "verbo", "avv", "prep", "nome m s",
                                 "agg m s", "cong", "avv", "verbo", "cong", "verbo", "prep", "nome f s",
                                 "prep", "pron m p", "escl", "verbo", "agg m p", "art det m p", "nome m p",
                                 "agg m p"};

// Sentence i: 10..22 units, with its number as the last one so none repeats.
std::string sentence(int i, bench::SeededRandom &random)
{
    const int units = 10 + random.below(13);
    std::string line;
    for (int u = 0; u < units - 1; ++u) {
        const int w = random.below(24);
        line += std::string(kWords[w]) + " = " + kAnalyses[w] + " | ";
    }
    return line + std::to_string(i) + ". = agg\n";
}

void writeFile(const QString &path, const std::string &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text.data(), qint64(text.size())) != qint64(text.size()))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

std::string collection(int sentences)
{
    bench::SeededRandom random(7);
    std::string text = "# Frasi generate per la misura\n";
    for (int i = 0; i < sentences; ++i)
        text += sentence(i, random);
    return text;
}

std::size_t heapInUse() { return mallinfo2().uordblks; }

struct LoadFigures {
    double medianMs = 0, maxMs = 0;
    double bankMiB = 0;
    int lastSentence = 0;
};

// Loads as the exercise window does, `runs` times, each into a fresh state.
LoadFigures measureLoad(int runs)
{
    LoadFigures f;
    std::vector<double> ms;
    for (int r = 0; r < runs; ++r) {
        const std::size_t before = heapInUse();
        auto state = std::make_unique<engine::DrillState>();
        std::ostringstream log;
        const std::int64_t t0 = bench::nowNs();
        engine::collection::loadSentences(*state, platform::readCollections, log);
        ms.push_back(double(bench::nowNs() - t0) / 1e6);
        f.bankMiB = double(heapInUse() - before) / (1024.0 * 1024.0);
        f.lastSentence = state->lastSentence;
        if (!log.str().empty())
            std::fprintf(stderr, "%s", log.str().c_str());
    }
    f.medianMs = bench::median(ms);
    f.maxMs = bench::quantile(ms, 1.0);
    return f;
}

// Mean time of one draw, in microseconds, over `draws` draws.
double drawUs(const engine::UsedFlags &used, int lastSentence, int draws, bool &exhausted)
{
    engine::SystemRandom random;
    const std::int64_t t0 = bench::nowNs();
    for (int i = 0; i < draws; ++i)
        exhausted = engine::rules::drawSentence(used, lastSentence, random).exhausted;
    return double(bench::nowNs() - t0) / 1e3 / draws;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && std::string(argv[1]) == "--write") {
        writeFile(QDir(argv[2]).filePath("raccolta.txt"), collection(std::atoi(argv[3])));
        return 0;
    }
    QTemporaryDir tmp;
    qputenv("XDG_DATA_DIRS", tmp.filePath("system").toUtf8());

    std::printf("## Teachers' collections (bench_collections)\n\n");
    std::printf("| collections | sentences in the bank | load: median of 9 | slowest | heap held by the bank |\n");
    std::printf("|---|---:|---:|---:|---:|\n");
    for (int n : {0, 1000, 10000}) {
        qputenv("XDG_DATA_HOME", tmp.filePath(QStringLiteral("home%1").arg(n)).toUtf8());
        if (n > 0) {
            const QString f = tmp.filePath(QStringLiteral("home%1/analisi-grammaticale/frasi/raccolta.txt").arg(n));
            writeFile(f, collection(n));
        }
        const LoadFigures l = measureLoad(9);
        std::printf("| %s | %d | %.1f ms | %.1f ms | %.2f MiB |\n",
                    n == 0 ? "none (built-in only)" : qPrintable(QStringLiteral("1 file of %1 sentences").arg(n)),
                    l.lastSentence + 1, l.medianMs, l.maxMs, l.bankMiB);
    }
    // One sentence a file: the cost of many small files.
    {
        bench::SeededRandom random(11);
        const QString home = tmp.filePath("homefiles");
        for (int i = 0; i < 10000; ++i)
            writeFile(QStringLiteral("%1/analisi-grammaticale/frasi/f%2.txt").arg(home).arg(i, 5, 10, QChar('0')),
                      sentence(i, random));
        qputenv("XDG_DATA_HOME", home.toUtf8());
        const LoadFigures l = measureLoad(5);
        std::printf("| 10000 files of 1 sentence | %d | %.1f ms | %.1f ms | %.2f MiB |\n", l.lastSentence + 1,
                    l.medianMs, l.maxMs, l.bankMiB);
    }

    // The draw in a bank of 10,000 collection sentences plus the built-in 33.
    qputenv("XDG_DATA_HOME", tmp.filePath("home10000").toUtf8());
    engine::DrillState state;
    std::ostringstream log;
    engine::collection::loadSentences(state, platform::readCollections, log);
    const int last = state.lastSentence;
    constexpr int kDraws = 2000;
    bool exhausted = false;
    std::printf("\n| draw in a bank of %d sentences (mean of %d draws) | time | exhausted |\n", last + 1, kDraws);
    std::printf("|---|---:|---|\n");
    const double first = drawUs(state.sentenceUsed, last, kDraws, exhausted);
    std::printf("| first draw: none used | %.2f µs | %s |\n", first, exhausted ? "yes" : "no");
    for (int s = 0; s < last; ++s)
        state.sentenceUsed[s] = 1;  // only the last sentence left
    const double lastOne = drawUs(state.sentenceUsed, last, kDraws, exhausted);
    std::printf("| last draw: only sentence %d left | %.2f µs | %s |\n", last, lastOne, exhausted ? "yes" : "no");
    state.sentenceUsed[last] = 1;
    const double none = drawUs(state.sentenceUsed, last, kDraws, exhausted);
    std::printf("| every sentence used | %.2f µs | %s |\n", none, exhausted ? "yes" : "no");
    return 0;
}
