// The lexicon's speed: opening it (mapping the file and checking every
// record, as the editor does at start) and looking words up.
//
// Usage: bench_lexicon <morph-it.lex>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "lexicon/lexicon.h"

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: %s <morph-it.lex>\n", argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    std::vector<double> openMs;
    std::unique_ptr<lexicon::Lexicon> lex;
    for (int run = 0; run < 21; ++run) {
        QElapsedTimer t;
        t.start();
        QString problem;
        lex = lexicon::Lexicon::open(path, &problem);
        openMs.push_back(double(t.nsecsElapsed()) / 1e6);
        if (!lex) {
            std::fprintf(stderr, "%s\n", qPrintable(problem));
            return 1;
        }
    }
    std::sort(openMs.begin(), openMs.end());

    // Everyday words, known and unknown, capitalised and not.
    const std::vector<std::string> words = {
        "il", "Ragazzo", "simpatico", "ride", "abbaiano", "randagi", "tramonta", "colline", "faremo", "gita",
        "rondini", "pettina", "uccellino", "bellissimo", "Città", "perché", "zzzqx", "addormentano", "cappotto",
        "apparivano", "bianchi", "andremo", "prossimo", "cura", "molta", "accorto", "spiegato", "frazioni"};
    const int rounds = 20000;
    std::size_t found = 0;
    QElapsedTimer t;
    t.start();
    for (int r = 0; r < rounds; ++r)
        for (const auto &w : words)
            found += lex->lookUp(w).size();
    const double nsPerWord = double(t.nsecsElapsed()) / double(rounds * words.size());

    std::printf("## Lexicon (%zu forms, %s)\n\n", lex->formCount(), argv[1]);
    std::printf("| measure | value | goal |\n|---|---:|---|\n");
    std::printf("| open: map and check every record, median of 21 | %.1f ms | < 30 ms |\n", openMs[openMs.size() / 2]);
    std::printf("| open: slowest of 21 | %.1f ms | |\n", openMs.back());
    std::printf("| look up one word with all its readings (%zu words x %d) | %.0f ns | < 2000 ns |\n", words.size(),
                rounds, nsPerWord);
    std::printf("| readings found per round | %zu | |\n", found / rounds);
    return 0;
}
