#include "word_lexicon.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

namespace editor {

namespace {

using Tags = std::vector<std::string>;

bool endsWith(std::string_view w, std::string_view end)
{
    return w.size() > end.size() && w.compare(w.size() - end.size(), end.size(), end) == 0;
}

const std::map<std::string, LexiconEntry, std::less<>> &lexicon()
{
    static const std::map<std::string, LexiconEntry, std::less<>> words = [] {
        std::map<std::string, LexiconEntry, std::less<>> m;
        auto add = [&m](std::initializer_list<const char *> list, int code, Tags tags, bool overrides) {
            for (const char *w : list)
                m.emplace(w, LexiconEntry{code, tags, overrides});
        };
        // Conjunctions in school grammar, whatever the analyser calls them.
        add({"perciò", "quindi", "dunque", "pertanto", "infatti", "però", "tuttavia", "anzi", "cioè",
             "oppure", "ovvero", "benché", "sebbene", "poiché", "perché", "mentre", "quando", "nonostante",
             "affinché", "siccome", "finché", "neppure", "nemmeno", "neanche"},
            8, {"cnjsub"}, true);
        add({"oh", "ah", "ahi", "ahia", "ahimè", "ahimé", "ohibò", "oibò", "uffa", "evviva", "orsù", "ehm",
             "ehi", "eh", "accidenti", "caspita", "perbacco", "urrà", "boh", "mah", "beh", "bah", "puah",
             "ohimè", "toh", "suvvia", "ahah", "ciao", "ehilà", "olà"},
            9, {"ij"}, true);
        // Function words, for unknown words and multiword pieces.
        add({"il", "lo", "la", "i", "gli", "le", "l'"}, 1, {"det", "def"}, false);
        add({"un", "uno", "una", "un'"}, 1, {"det", "ind"}, false);
        add({"di", "a", "da", "in", "con", "su", "per", "tra", "fra", "d'", "senza", "sotto", "sopra",
             "verso", "dopo", "contro", "durante", "presso"},
            7, {"pr"}, false);
        add({"e", "ed", "o", "od", "ma", "né", "se", "anche", "che"}, 8, {"cnjcoo"}, false);
        add({"non", "più", "già", "mai", "ora", "poi", "ancora", "sempre", "qui", "qua", "lì", "là", "subito",
             "presto", "tardi", "oggi", "domani", "ieri", "ormai", "adesso", "spesso", "bene", "male", "forse",
             "insieme", "davvero", "proprio", "appena", "così", "lassù", "laggiù", "quaggiù", "stamattina"},
            6, {"adv"}, false);
        add({"io", "tu", "lui", "lei", "noi", "voi", "loro", "esso", "essa", "essi", "esse", "me", "te", "sé",
             "chi", "cui", "mi", "ti", "si", "ci", "vi", "ne"},
            4, {"prn", "tn"}, false);
        add({"è", "sono", "era", "erano", "siamo", "siete", "sei", "sarà"}, 5, {"vbser", "p3"}, false);
        add({"ha", "ho", "hai", "hanno", "abbiamo", "avete", "aveva", "avevano"}, 5, {"vbhaver", "p3"}, false);
        return m;
    }();
    return words;
}

}  // namespace

const LexiconEntry *lookUp(std::string_view lowerWord)
{
    const auto &m = lexicon();
    const auto it = m.find(lowerWord);
    return it == m.end() ? nullptr : &it->second;
}

bool isDeterminer(std::string_view w, std::string_view lemma)
{
    static const std::set<std::string, std::less<>> lemmas = {
        "questo", "quello", "codesto", "mio", "tuo", "suo", "nostro", "vostro", "loro", "il mio", "il tuo",
        "il suo", "il nostro", "il vostro", "il loro", "molto", "poco", "tanto", "troppo", "tutto", "ogni",
        "qualche", "alcuno", "nessuno", "certo", "un altro", "altro", "parecchio", "ciascuno", "qualsiasi",
        "qualunque", "stesso", "quanto", "entrambi"};
    static const std::set<std::string, std::less<>> forms = {
        "questo", "questa", "questi", "queste", "quello", "quella", "quelli", "quelle", "quel", "quei",
        "quegli", "mio", "mia", "miei", "mie", "tuo", "tua", "tuoi", "tue", "suo", "sua", "suoi", "sue",
        "nostro", "nostra", "nostri", "nostre", "vostro", "vostra", "vostri", "vostre", "molto", "molta",
        "molti", "molte", "poco", "poca", "pochi", "poche", "tanto", "tanta", "tanti", "tante", "troppo",
        "troppa", "troppi", "troppe", "tutto", "tutta", "tutti", "tutte", "ogni", "qualche", "alcuni",
        "alcune", "nessuno", "nessuna", "altro", "altra", "altri", "altre", "ciascuno", "ciascuna"};
    return forms.count(w) > 0 || lemmas.count(lemma) > 0;
}

bool isModal(std::string_view lemma)
{
    return lemma == "potere" || lemma == "dovere" || lemma == "volere";
}

bool isPhrasalVerb(std::string_view lemma)
{
    static const std::set<std::string, std::less<>> verbs = {
        "cercare", "stare", "cominciare", "iniziare", "continuare", "finire", "smettere", "provare",
        "tentare"};
    return verbs.count(lemma) > 0;
}

bool isLinkingWord(std::string_view w) { return w == "di" || w == "a" || w == "per"; }

bool isVerbOfPlace(std::string_view lemma)
{
    static const std::set<std::string, std::less<>> verbs = {
        "andare", "venire", "tornare", "ritornare", "stare", "rimanere", "restare", "arrivare", "abitare",
        "vivere", "entrare", "passare", "salire", "scendere", "uscire", "correre", "giungere"};
    return verbs.count(lemma) > 0;
}

bool isPrepositionalPhrase(std::string_view first, std::string_view second)
{
    static const std::set<std::pair<std::string_view, std::string_view>> phrases = {
        {"insieme", "con"}, {"insieme", "a"}, {"accanto", "a"}, {"vicino", "a"}, {"davanti", "a"},
        {"dietro", "a"}, {"prima", "di"}, {"invece", "di"}, {"fino", "a"}, {"oltre", "a"},
        {"grazie", "a"}, {"rispetto", "a"}, {"lontano", "da"}, {"fuori", "di"}, {"dentro", "a"},
        {"intorno", "a"}, {"in", "mezzo"}};
    return phrases.count({first, second}) > 0;
}

Guess guessFromEnding(std::string_view word, bool sentenceStart)
{
    std::string w(word);
    const bool capital = !w.empty() && w[0] >= 'A' && w[0] <= 'Z';
    for (char &c : w)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    if (capital && !sentenceStart)
        return {2, {"np"}};
    struct Ending {
        std::string_view end;
        int code;
        Tags tags;
    };
    static const std::array<Ending, 44> endings = {{
        {"mente", 6, {"adv"}},
        {"zione", 2, {"n", "f", "sg"}}, {"zioni", 2, {"n", "f", "pl"}}, {"sione", 2, {"n", "f", "sg"}},
        {"tà", 2, {"n", "f"}}, {"tù", 2, {"n", "f"}}, {"ezza", 2, {"n", "f", "sg"}},
        {"ando", 5, {"vblex", "ger"}}, {"endo", 5, {"vblex", "ger"}},
        {"arono", 5, {"vblex", "ifi", "p3", "pl"}}, {"erono", 5, {"vblex", "ifi", "p3", "pl"}},
        {"irono", 5, {"vblex", "ifi", "p3", "pl"}},
        {"avano", 5, {"vblex", "pii", "p3", "pl"}}, {"evano", 5, {"vblex", "pii", "p3", "pl"}},
        {"ivano", 5, {"vblex", "pii", "p3", "pl"}},
        {"ava", 5, {"vblex", "pii", "p3", "sg"}}, {"eva", 5, {"vblex", "pii", "p3", "sg"}},
        {"iva", 5, {"vblex", "pii", "p3", "sg"}},
        {"erà", 5, {"vblex", "fti", "p3", "sg"}}, {"irà", 5, {"vblex", "fti", "p3", "sg"}},
        {"ò", 5, {"vblex", "ifi", "p3", "sg"}}, {"ì", 5, {"vblex", "ifi", "p3", "sg"}},
        {"ende", 5, {"vblex", "pri", "p3", "sg"}},
        {"are", 5, {"vblex", "inf"}}, {"ere", 5, {"vblex", "inf"}}, {"ire", 5, {"vblex", "inf"}},
        {"ato", 5, {"vblex", "pp", "m", "sg"}}, {"ata", 5, {"vblex", "pp", "f", "sg"}},
        {"ati", 5, {"vblex", "pp", "m", "pl"}}, {"ate", 5, {"vblex", "pp", "f", "pl"}},
        {"ito", 5, {"vblex", "pp", "m", "sg"}}, {"ita", 5, {"vblex", "pp", "f", "sg"}},
        {"iti", 5, {"vblex", "pp", "m", "pl"}}, {"uto", 5, {"vblex", "pp", "m", "sg"}},
        {"uta", 5, {"vblex", "pp", "f", "sg"}}, {"uti", 5, {"vblex", "pp", "m", "pl"}},
        {"oso", 3, {"adj", "m", "sg"}}, {"osa", 3, {"adj", "f", "sg"}}, {"osi", 3, {"adj", "m", "pl"}},
        {"abile", 3, {"adj", "sg"}}, {"ibile", 3, {"adj", "sg"}},
        {"o", 2, {"n", "m", "sg"}}, {"a", 2, {"n", "f", "sg"}}, {"i", 2, {"n", "m", "pl"}},
    }};
    for (const Ending &e : endings)
        if (endsWith(w, e.end))
            return {e.code, e.tags};
    return {2, {"n"}};
}

EncliticSplit guessEnclitics(std::string_view word)
{
    static const std::array<std::string_view, 17> forms = {
        "glie", "gli", "mi", "me", "ti", "te", "ci", "ce", "vi", "ve", "si", "se", "lo", "la", "li", "le", "ne"};
    struct Stem {
        std::string_view end;
        Tags tags;
    };
    static const std::array<Stem, 8> stems = {{
        {"ando", {"vblex", "ger"}}, {"endo", {"vblex", "ger"}},
        {"ar", {"vblex", "inf"}}, {"er", {"vblex", "inf"}}, {"ir", {"vblex", "inf"}},
        {"ate", {"vblex", "imp", "p2", "pl"}}, {"ete", {"vblex", "imp", "p2", "pl"}},
        {"ite", {"vblex", "imp", "p2", "pl"}},
    }};
    std::string verb(word);
    std::vector<std::string> pronouns;
    for (int k = 0; k < 2; ++k) {
        bool found = false;
        for (std::string_view f : forms)
            if (endsWith(verb, f) && verb.size() > f.size() + 3) {
                pronouns.insert(pronouns.begin(), verb.substr(verb.size() - f.size()));
                verb.resize(verb.size() - f.size());
                found = true;
                break;
            }
        if (!found)
            break;
        for (const Stem &s : stems)
            // "-armi" is more often a plural noun ("risparmi") than "dar-mi".
            if (endsWith(verb, s.end) && !(s.end.size() == 2 && pronouns.size() == 1 && pronouns[0] == "mi"))
                return {verb, {5, s.tags}, pronouns};
    }
    return {};
}

}  // namespace editor
