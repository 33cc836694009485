// How close the sentence editor's proposals come to the built-in answer key.
// Rebuilds the plain text of the 33 built-in sentences from their units,
// runs `analisi-grammaticale-frasi --proponi` on them, and compares: the
// share of key units whose boundaries the proposal matches, and of those the
// share with the same part of speech. Every miss is listed.
//
// With a collection file as second argument, its sentences are the key
// instead (the everyday sentences of tests/data, written apart from the
// rules so that the figures say how the proposals do on new text).
//
// Usage: bench_editor_proposals <path of analisi-grammaticale-frasi> [collection.txt]

#include <QCoreApplication>
#include <QFile>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/collection_format.h"
#include "engine/sentence_source.h"

namespace {

struct Span {
    std::string text;  // as written in the key or the proposal
    int code;
    std::size_t begin, end;  // over the sentence's letters, spaces and hyphens left out
};

// The hint cells of the key ("così (...che )", "(ebbe)notato") and the
// hyphen of a split verb are no letters of the sentence.
std::string letters(std::string text)
{
    for (const char *hint : {"(...che )", "(...che)", "(ebbe)"})
        if (auto at = text.find(hint); at != std::string::npos)
            text.erase(at, std::string(hint).size());
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '-')
            out += c;
    return out;
}

std::string trimmed(std::string_view s) { return std::string(engine::collection::trim(s)); }

// The plain sentence a teacher would type: units joined by spaces, a verb
// split before its pronoun joined again, an elision joined to its word.
struct KeySentence {
    int index;  // the bank row, or the line of the collection
    std::vector<std::pair<std::string, int>> units;
};

std::string plainText(const KeySentence &s)
{
    std::string text;
    for (const auto &[cell, code] : s.units) {
        std::string unit = trimmed(cell);
        for (const char *hint : {"(...che )", "(ebbe)"})
            if (auto at = unit.find(hint); at != std::string::npos)
                unit = trimmed(unit.erase(at, std::string(hint).size()));
        if (!text.empty() && text.back() != '-' && text.back() != '\'')
            text += ' ';
        if (!text.empty() && text.back() == '-')
            text.pop_back();
        text += unit;
    }
    return text;
}

std::vector<Span> spans(const std::vector<std::pair<std::string, int>> &units)
{
    std::vector<Span> out;
    std::size_t at = 0;
    for (const auto &[text, code] : units) {
        const std::size_t n = letters(text).size();
        out.push_back({text, code, at, at + n});
        at += n;
    }
    return out;
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: %s <analisi-grammaticale-frasi>\n", argv[0]);
        return 2;
    }
    std::vector<KeySentence> sources;
    std::string setName = "the built-in answer key";
    if (argc > 2) {
        QFile file(QString::fromLocal8Bit(argv[2]));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "non riesco a leggere %s\n", argv[2]);
            return 2;
        }
        const auto parsed = engine::collection::parseFile(file.readAll().toStdString());
        for (std::size_t l = 0; l < parsed.lines.size(); ++l) {
            const auto &line = parsed.lines[l];
            if (line.kind != engine::collection::Line::Kind::Sentence)
                continue;
            KeySentence k{int(l + 1), {}};
            for (const auto &u : line.units)
                k.units.emplace_back(u.text, u.code);
            sources.push_back(std::move(k));
        }
        setName = std::string("the key of ") + argv[2];
    } else {
        for (const auto &s : engine::sentenceSources()) {
            KeySentence k{s.index, {}};
            for (int p = 0; p < s.count; ++p)
                k.units.emplace_back(trimmed(s.cells[std::size_t(p)].text), s.cells[std::size_t(p)].code);
            sources.push_back(std::move(k));
        }
    }
    QByteArray input;
    for (const auto &s : sources)
        input += QByteArray::fromStdString(plainText(s)) + '\n';

    QProcess program;
    program.start(QString::fromLocal8Bit(argv[1]), {QStringLiteral("--proponi")});
    QElapsedTimer clock;
    clock.start();
    program.write(input);
    program.closeWriteChannel();
    program.waitForFinished(120000);
    const double wallMs = double(clock.nsecsElapsed()) / 1e6;
    const QList<QByteArray> lines = program.readAllStandardOutput().split('\n');
    const QByteArray notes = program.readAllStandardError();

    int keyUnits = 0, boundaryHits = 0, codeHits = 0;
    std::string misses;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const auto &s = sources[i];
        const auto &key = s.units;
        std::vector<std::pair<std::string, int>> proposed;
        const std::string line = i < std::size_t(lines.size()) ? lines[qsizetype(i)].toStdString() : "";
        // Read directly rather than with parseLine: a unit longer than the
        // file allows would make the whole line invalid.
        std::size_t from = 0;
        while (from < line.size()) {
            std::size_t bar = line.find(" | ", from);
            if (bar == std::string::npos)
                bar = line.size();
            const std::string unit = line.substr(from, bar - from);
            const std::size_t eq = unit.rfind(" = ");
            int code = 0;
            if (eq != std::string::npos) {
                const std::string analysis = unit.substr(eq + 3);
                for (int c = 1; c <= 9; ++c)
                    if (analysis.rfind(engine::collection::abbreviation(c), 0) == 0)
                        code = c;
            }
            proposed.emplace_back(unit.substr(0, eq), code);
            from = bar + 3;
        }
        const auto keySpans = spans(key), propSpans = spans(proposed);
        for (const Span &k : keySpans) {
            ++keyUnits;
            const Span *match = nullptr;
            std::string around;
            for (const Span &p : propSpans) {
                if (p.begin == k.begin && p.end == k.end)
                    match = &p;
                if (p.begin < k.end && p.end > k.begin)
                    around += (around.empty() ? "" : " | ") + p.text;
            }
            char buf[512];
            if (!match) {
                std::snprintf(buf, sizeof buf, "frase %d: confine  «%s» (%d) proposto come «%s»\n", s.index,
                              k.text.c_str(), k.code, around.c_str());
                misses += buf;
                continue;
            }
            ++boundaryHits;
            if (match->code == k.code) {
                ++codeHits;
            } else {
                std::snprintf(buf, sizeof buf, "frase %d: parte    «%s» chiave %s, proposta %s\n", s.index,
                              k.text.c_str(), engine::collection::abbreviation(k.code).c_str(),
                              engine::collection::abbreviation(match->code).c_str());
                misses += buf;
            }
        }
    }
    std::printf("## Proposals of the sentence editor against %s\n\n", setName.c_str());
    std::printf("| measure | value | goal |\n|---|---|---|\n");
    std::printf("| key units | %d | |\n", keyUnits);
    std::printf("| boundaries matched | %d (%.1f %%) | 95 %% |\n", boundaryHits, 100.0 * boundaryHits / keyUnits);
    std::printf("| of those, part of speech matched | %d (%.1f %%) | 93 %% |\n", codeHits,
                100.0 * codeHits / std::max(1, boundaryHits));
    // Words marked unknown: the notes list them after the colon, comma-separated.
    int words = 0, unknown = 0;
    for (const auto &s : sources)
        for (const auto &[cell, code] : s.units)
            words += int(QString::fromStdString(cell).split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
    for (const QByteArray &note : notes.split('\n'))
        if (note.contains("sconosciute") && note.contains("): "))
            unknown += int(note.mid(note.indexOf("): ") + 3).split(',').size());
    std::printf("| words marked unknown (\"?\") | %d of %d (%.1f %%) | < 2 %% |\n", unknown, words,
                100.0 * unknown / std::max(1, words));
    std::printf("| sentences | %zu | |\n", sources.size());
    std::printf("| `--proponi` on all of them, wall time with start-up | %.0f ms | |\n\n", wallMs);
    std::printf("Misses:\n\n```\n%s```\n", misses.c_str());
    if (!notes.isEmpty())
        std::printf("\nNotes printed by `--proponi`:\n\n```\n%s```\n", notes.constData());
    return 0;
}
