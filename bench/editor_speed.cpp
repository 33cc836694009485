// The sentence editor's speed: start-up (process start to the window's
// first paint, and to the first answer of the analyser's pipeline)
// and the time to propose one sentence once the pipeline is up.
//
// Usage: bench_editor_speed [runs]        (spawns itself with --child)

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

#include "bench_common.h"
#include "editor/editor_window.h"
#include "editor/sentence_proposer.h"
#include "engine/sentence_source.h"
#include "paint_probe.h"

namespace {

std::string plainText(const engine::SentenceSource &s)
{
    std::string text;
    for (int p = 0; p < s.count; ++p) {
        std::string unit = s.cells[std::size_t(p)].text;
        for (const char *hint : {"(...che )", "(ebbe)"})
            if (auto at = unit.find(hint); at != std::string::npos)
                unit.erase(at, std::string(hint).size());
        while (!unit.empty() && unit.back() == ' ')
            unit.pop_back();
        while (!unit.empty() && unit.front() == ' ')
            unit.erase(0, 1);
        if (!text.empty() && text.back() == '-')
            text.pop_back();
        else if (!text.empty() && text.back() != '\'')
            text += ' ';
        text += unit;
    }
    return text;
}

// The editor as the program starts it (lexicon loaded, the pipeline
// started by the window on its own thread); prints the monotonic times at
// which the window is first painted (usable: typing works) and at which
// the first sentence analysed after that is back (the pipeline up).
int child(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir home;
    QString note;
    auto analyser = editor::installedAnalyser(&note);
    editor::EditorWindow window(home.filePath(QStringLiteral("frasi")),
                                std::make_unique<editor::SentenceProposer>(std::move(analyser)), note);
    bench::PaintProbe probe;
    if (!bench::showAndWaitForFirstPaint(&window, probe))
        return 1;
    window.analyseText(QStringLiteral("Il gatto dorme."));
    while (window.analysing() || window.shownUnits().empty())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    std::printf("%lld %lld\n", static_cast<long long>(probe.firstPaintNs), static_cast<long long>(bench::nowNs()));
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::string(argv[1]) == "--child")
        return child(argc, argv);
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

    std::vector<double> startMs, answerMs;
    for (int r = 0; r < runs; ++r) {
        QProcess p;
        const std::int64_t t0 = bench::nowNs();
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
        p.waitForFinished(30000);
        long long painted = 0, after = 0;
        if (std::sscanf(p.readAllStandardOutput().constData(), "%lld %lld", &painted, &after) == 2) {
            startMs.push_back(double(painted - t0) / 1e6);
            answerMs.push_back(double(after - t0) / 1e6);
        }
    }

    QString note;
    auto analyser = editor::installedAnalyser(&note);
    editor::SentenceProposer proposer(std::move(analyser));
    proposer.propose(QStringLiteral("Il pipeline si avvia."));  // the pipeline up first
    std::vector<double> perSentence;
    for (int round = 0; round < 10; ++round)
        for (const auto &s : engine::sentenceSources()) {
            const QString text = QString::fromStdString(plainText(s));
            const std::int64_t t0 = bench::nowNs();
            proposer.propose(text);
            perSentence.push_back(double(bench::nowNs() - t0) / 1e6);
        }

    std::printf("## Sentence editor: start-up and time per sentence\n\n");
    std::printf("Analyser: %s\n\n", proposer.hasAnalyser() ? "installed, one pipeline"
                                                           : qPrintable(note + proposer.analyserProblem()));
    std::printf("| measure | median | p95 | max | goal |\n|---|---|---|---|---|\n");
    std::printf("| start-up: process start to first paint, window usable (%zu runs) | %.0f ms | %.0f ms | %.0f ms | < 1000 ms |\n",
                startMs.size(), bench::median(startMs), bench::quantile(startMs, 0.95),
                startMs.empty() ? 0.0 : *std::max_element(startMs.begin(), startMs.end()));
    std::printf("| start-up: process start to the first sentence proposed by the pipeline (%zu runs) | %.0f ms | %.0f ms | %.0f ms | |\n",
                answerMs.size(), bench::median(answerMs), bench::quantile(answerMs, 0.95),
                answerMs.empty() ? 0.0 : *std::max_element(answerMs.begin(), answerMs.end()));
    std::printf("| one sentence proposed, pipeline up (%zu proposals) | %.1f ms | %.1f ms | %.1f ms | < 50 ms |\n",
                perSentence.size(), bench::median(perSentence), bench::quantile(perSentence, 0.95),
                *std::max_element(perSentence.begin(), perSentence.end()));
    return 0;
}
