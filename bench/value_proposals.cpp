// How often the sentence editor proposes a verb's values and a word's kind
// right. Proposes each key sentence in-process (the analyser and the
// lexicon as installed) and compares, unit by unit where the proposal cuts
// the sentence as the key does, each field on its own: a verb's infinitive,
// mood, tense, person, number, form and transitivity; the kind of noun,
// adjective, pronoun, adverb, preposition, conjunction and exclamation, the
// adjective's degree and the personal pronoun's person. A unit cut
// otherwise, or proposed as another part of speech, counts as wrong.
//
// Without arguments the key is the built-in bank's (its verbs, and its kinds
// where it carries them); with files, their lines: the collection format,
// plus the kind words read here (`nome proprio`, `agg poss`, `pron pers 1`,
// `avv tempo`, `prep art`, `cong sub`, `escl impropria`, `agg qual sup`).
// `-v` lists every miss.
//
// Usage: bench_value_proposals [-v] [collection.txt ...]

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "editor/sentence_proposer.h"
#include "engine/collection_format.h"
#include "engine/sentence_source.h"
#include "key_sentences.h"

using namespace engine;

namespace {

struct Field {
    const char *name;
    int part;                                  // the part of speech it belongs to
    int (*get)(const Features &);
    bool (*keyed)(const Features &);           // does the key ask it of this unit?
};

int lemmaId(const Features &f)
{
    static std::map<std::string, int> ids;
    if (f.lemma.empty())
        return 0;
    return ids.emplace(f.lemma, int(ids.size()) + 1).first->second;
}

const std::vector<Field> &fields()
{
    static const std::vector<Field> all = {
        {"verb: infinitive", 5, lemmaId, [](const Features &f) { return !f.lemma.empty(); }},
        {"verb: mood", 5, [](const Features &f) { return int(f.mood); }, [](const Features &f) { return f.mood != Mood::Unset; }},
        {"verb: tense", 5, [](const Features &f) { return int(f.tense); }, [](const Features &f) { return f.tense != Tense::Unset; }},
        {"verb: person", 5, [](const Features &f) { return int(f.person); }, [](const Features &f) { return f.mood != Mood::Unset; }},
        {"verb: number", 5, [](const Features &f) { return int(f.verbNumber); }, [](const Features &f) { return f.mood != Mood::Unset; }},
        {"verb: form", 5, [](const Features &f) { return int(f.form); }, [](const Features &f) { return f.form != VerbForm::Unset; }},
        {"verb: transitivity", 5, [](const Features &f) { return int(f.transitivity); }, [](const Features &f) { return f.mood != Mood::Unset; }},
        {"noun: kind", 2, [](const Features &f) { return int(f.nounKind); }, [](const Features &f) { return f.nounKind != NounKind::Unset; }},
        {"adjective: kind", 3, [](const Features &f) { return int(f.adjectiveKind); }, [](const Features &f) { return f.adjectiveKind != AdjectiveKind::Unset; }},
        {"adjective: degree", 3, [](const Features &f) { return int(f.degree); }, [](const Features &f) { return f.degree != Degree::Unset; }},
        {"pronoun: kind", 4, [](const Features &f) { return int(f.pronounKind); }, [](const Features &f) { return f.pronounKind != PronounKind::Unset; }},
        {"pronoun: person", 4, [](const Features &f) { return int(f.pronounPerson); }, [](const Features &f) { return f.pronounPerson != Person::Unset; }},
        {"adverb: kind", 6, [](const Features &f) { return int(f.adverbKind); }, [](const Features &f) { return f.adverbKind != AdverbKind::Unset; }},
        {"preposition: kind", 7, [](const Features &f) { return int(f.prepositionKind); }, [](const Features &f) { return f.prepositionKind != PrepositionKind::Unset; }},
        {"conjunction: kind", 8, [](const Features &f) { return int(f.conjunctionKind); }, [](const Features &f) { return f.conjunctionKind != ConjunctionKind::Unset; }},
        {"exclamation: kind", 9, [](const Features &f) { return int(f.exclamationKind); }, [](const Features &f) { return f.exclamationKind != ExclamationKind::Unset; }},
    };
    return all;
}

// The kind words of the key files (and their value), by part of speech.
bool readKindWord(int code, const std::string &w, Features &f)
{
    struct Word {
        int code;
        const char *spelling;
        void (*set)(Features &);
    };
    static const std::vector<Word> words = {
        {2, "comune", [](Features &f) { f.nounKind = NounKind::Comune; }},
        {2, "proprio", [](Features &f) { f.nounKind = NounKind::Proprio; }},
        {3, "qual", [](Features &f) { f.adjectiveKind = AdjectiveKind::Qualificativo; }},
        {3, "poss", [](Features &f) { f.adjectiveKind = AdjectiveKind::Possessivo; }},
        {3, "dim", [](Features &f) { f.adjectiveKind = AdjectiveKind::Dimostrativo; }},
        {3, "indef", [](Features &f) { f.adjectiveKind = AdjectiveKind::Indefinito; }},
        {3, "num", [](Features &f) { f.adjectiveKind = AdjectiveKind::Numerale; }},
        {3, "interr", [](Features &f) { f.adjectiveKind = AdjectiveKind::Interrogativo; }},
        {3, "escl", [](Features &f) { f.adjectiveKind = AdjectiveKind::Esclamativo; }},
        {3, "pos", [](Features &f) { f.degree = Degree::Positivo; }},
        {3, "comp", [](Features &f) { f.degree = Degree::Comparativo; }},
        {3, "sup", [](Features &f) { f.degree = Degree::Superlativo; }},
        {4, "pers", [](Features &f) { f.pronounKind = PronounKind::Personale; }},
        {4, "poss", [](Features &f) { f.pronounKind = PronounKind::Possessivo; }},
        {4, "dim", [](Features &f) { f.pronounKind = PronounKind::Dimostrativo; }},
        {4, "indef", [](Features &f) { f.pronounKind = PronounKind::Indefinito; }},
        {4, "rel", [](Features &f) { f.pronounKind = PronounKind::Relativo; }},
        {4, "interr", [](Features &f) { f.pronounKind = PronounKind::Interrogativo; }},
        {4, "escl", [](Features &f) { f.pronounKind = PronounKind::Esclamativo; }},
        {4, "1", [](Features &f) { f.pronounPerson = Person::Prima; }},
        {4, "2", [](Features &f) { f.pronounPerson = Person::Seconda; }},
        {4, "3", [](Features &f) { f.pronounPerson = Person::Terza; }},
        {6, "modo", [](Features &f) { f.adverbKind = AdverbKind::Modo; }},
        {6, "tempo", [](Features &f) { f.adverbKind = AdverbKind::Tempo; }},
        {6, "luogo", [](Features &f) { f.adverbKind = AdverbKind::Luogo; }},
        {6, "quant", [](Features &f) { f.adverbKind = AdverbKind::Quantita; }},
        {6, "aff", [](Features &f) { f.adverbKind = AdverbKind::Affermazione; }},
        {6, "neg", [](Features &f) { f.adverbKind = AdverbKind::Negazione; }},
        {6, "dubbio", [](Features &f) { f.adverbKind = AdverbKind::Dubbio; }},
        {6, "interr", [](Features &f) { f.adverbKind = AdverbKind::Interrogativo; }},
        {7, "sempl", [](Features &f) { f.prepositionKind = PrepositionKind::Semplice; }},
        {7, "art", [](Features &f) { f.prepositionKind = PrepositionKind::Articolata; }},
        {7, "impr", [](Features &f) { f.prepositionKind = PrepositionKind::Impropria; }},
        {7, "loc", [](Features &f) { f.prepositionKind = PrepositionKind::Locuzione; }},
        {8, "coord", [](Features &f) { f.conjunctionKind = ConjunctionKind::Coordinante; }},
        {8, "sub", [](Features &f) { f.conjunctionKind = ConjunctionKind::Subordinante; }},
        {9, "propria", [](Features &f) { f.exclamationKind = ExclamationKind::Propria; }},
        {9, "impropria", [](Features &f) { f.exclamationKind = ExclamationKind::Impropria; }},
        {9, "loc", [](Features &f) { f.exclamationKind = ExclamationKind::Locuzione; }},
    };
    for (const Word &k : words)
        if (k.code == code && w == k.spelling) {
            k.set(f);
            return true;
        }
    return false;
}

// One key unit of a file: the collection format's analysis, then the kind
// words.
collection::Unit readUnit(const std::string &cell)
{
    collection::Unit u;
    const std::size_t eq = cell.rfind(" = ");
    u.text = std::string(collection::trim(cell.substr(0, eq)));
    if (eq == std::string::npos)
        return u;
    const std::string analysis = cell.substr(eq + 3);
    const collection::Line parsed = collection::parseLine("x = " + analysis, 0);
    if (parsed.kind == collection::Line::Kind::Sentence)
        u = {u.text, parsed.units.front().code, parsed.units.front().features};
    std::vector<std::string> words;
    for (std::size_t from = 0; from < analysis.size();) {
        std::size_t sp = analysis.find(' ', from);
        if (sp == std::string::npos)
            sp = analysis.size();
        if (sp > from)
            words.push_back(analysis.substr(from, sp - from));
        from = sp + 1;
    }
    if (words.empty())
        return u;
    if (u.code == 0)
        for (int c = 1; c <= 9; ++c)
            if (collection::abbreviation(c) == words.front())
                u.code = c;
    for (std::size_t k = 1; k < words.size(); ++k)
        readKindWord(u.code, words[k], u.features);
    return u;
}

std::vector<KeySentence> readFile(const char *path)
{
    std::vector<KeySentence> out;
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "non riesco a leggere %s\n", path);
        return out;
    }
    int number = 0;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        ++number;
        const std::string line = raw.trimmed().toStdString();
        if (line.empty() || line[0] == '#' || line[0] == '@')
            continue;
        KeySentence k{number, {}};
        for (std::size_t from = 0; from <= line.size();) {
            std::size_t bar = line.find(" | ", from);
            if (bar == std::string::npos)
                bar = line.size();
            k.units.push_back(readUnit(line.substr(from, bar - from)));
            from = bar + 3;
        }
        out.push_back(std::move(k));
    }
    return out;
}

std::vector<KeySentence> builtInKey()
{
    std::vector<KeySentence> out;
    for (const auto &s : sentenceSources()) {
        KeySentence k{s.index, {}};
        for (int p = 0; p < s.count; ++p) {
            const auto &cell = s.cells[std::size_t(p)];
            k.units.push_back({std::string(collection::trim(cell.text)), cell.code, cell.features});
        }
        out.push_back(std::move(k));
    }
    return out;
}

struct Tally {
    int keyed = 0, right = 0;
};

void measure(const std::vector<KeySentence> &key, editor::SentenceProposer &proposer, const std::string &name,
             bool verbose)
{
    std::vector<Tally> tallies(fields().size());
    std::string misses;
    for (const KeySentence &s : key) {
        const std::vector<editor::ProposedUnit> proposal = proposer.propose(QString::fromStdString(plainText(s)));
        std::vector<collection::Unit> proposed;
        for (const auto &p : proposal)
            proposed.push_back(p.unit);
        const auto keySpans = spans(s.units), propSpans = spans(proposed);
        for (std::size_t i = 0; i < keySpans.size(); ++i) {
            const collection::Unit &k = s.units[i];
            const collection::Unit *match = nullptr;
            for (std::size_t j = 0; j < propSpans.size(); ++j)
                if (propSpans[j].begin == keySpans[i].begin && propSpans[j].end == keySpans[i].end
                    && proposed[j].code == k.code)
                    match = &proposed[j];
            for (std::size_t fi = 0; fi < fields().size(); ++fi) {
                const Field &field = fields()[fi];
                if (field.part != k.code || !field.keyed(k.features))
                    continue;
                ++tallies[fi].keyed;
                const bool right = match && field.get(match->features) == field.get(k.features);
                if (right) {
                    ++tallies[fi].right;
                } else {
                    // The field's values by number (the order of the choices).
                    misses += std::to_string(s.index) + ": " + field.name + " «" + k.text + "» chiave "
                              + std::to_string(field.get(k.features)) + " «"
                              + collection::featureWords(k.code, k.features) + "», proposta "
                              + (match ? std::to_string(field.get(match->features)) + " «"
                                             + collection::featureWords(match->code, match->features) + "»"
                                       : std::string("(altro taglio o altra parte)"))
                              + "\n";
                }
            }
        }
    }
    std::printf("## Values proposed right on %s (%zu sentences)\n\n", name.c_str(), key.size());
    std::printf("| field | keyed | right | share |\n|---|---|---|---|\n");
    for (std::size_t fi = 0; fi < fields().size(); ++fi)
        if (tallies[fi].keyed > 0)
            std::printf("| %s | %d | %d | %.1f %% |\n", fields()[fi].name, tallies[fi].keyed, tallies[fi].right,
                        100.0 * tallies[fi].right / tallies[fi].keyed);
    std::printf("\n");
    if (verbose)
        std::printf("Misses:\n\n```\n%s```\n\n", misses.c_str());
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    bool verbose = false;
    std::vector<const char *> files;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-v") == 0)
            verbose = true;
        else
            files.push_back(argv[i]);
    }
    QString whyNot;
    editor::SentenceProposer proposer(editor::installedAnalyser(&whyNot));
    if (!whyNot.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(whyNot));
    if (!proposer.lexiconProblem().isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(proposer.lexiconProblem()));
    if (files.empty()) {
        measure(builtInKey(), proposer, "the built-in answer key", verbose);
    }
    for (const char *f : files)
        measure(readFile(f), proposer, std::string("the key of ") + f, verbose);
    return 0;
}
