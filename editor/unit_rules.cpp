#include "unit_rules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <set>

#include "lexicon/lexicon.h"
#include "lexicon_readings.h"
#include "word_lexicon.h"

namespace editor {

using engine::ArticleKind;
using engine::Features;
using engine::Gender;
using engine::Number;

namespace {

enum Code { kArt = 1, kNoun, kAdj, kPron, kVerb, kAdv, kPrep, kConj, kExcl };

// One written word on its way to a unit.
struct Word {
    std::string text;   // as written
    std::string lower;  // lower case, for the word lists
    Reading reading;    // the analysis the rules go by
    std::vector<std::vector<Reading>> alternatives;
    bool known = false;       // the analyser knew it
    bool articulated = false; // preposition joined with an article: "sull'"
    bool enclitic = false;    // a pronoun written onto the verb before it
    bool glued = false;       // written onto the word before (enclitics)
    bool sentenceStart = false;
    std::string prefix, suffix;  // punctuation kept with the word
    int code = 0;
    bool toCheck = false;
    bool joinPrevious = false;  // same unit as the word before
    bool determiner = false;    // adjective before a noun, pronoun otherwise
    bool fromLexicon = false;   // the analyser did not know it, the lexicon did
};

bool has(const Word &w, std::string_view tag) { return w.reading.has(tag); }

bool isVerbReading(const Reading &r)
{
    return r.has("vblex") || r.has("vbser") || r.has("vbhaver") || r.has("vbmod");
}
bool isVerb(const Word &w) { return w.code == kVerb; }
bool isFinite(const Word &w)
{
    return isVerb(w) && !has(w, "inf") && !has(w, "ger") && !has(w, "pp") && !has(w, "pprs");
}
bool isAux(const Word &w)
{
    return isVerb(w) && (has(w, "vbhaver") || has(w, "vbser") || w.reading.lemma == "avere" || w.reading.lemma == "essere");
}
bool isParticiple(const Word &w) { return isVerb(w) && has(w, "pp"); }
bool isInfinitive(const Word &w) { return isVerb(w) && has(w, "inf"); }

// 1, 2, 3 for the person; 1 singular, 2 plural; 0 where the tags do not say.
int person(const Reading &r)
{
    return r.has("p1") ? 1 : r.has("p2") ? 2 : r.has("p3") ? 3 : 0;
}
int number(const Reading &r) { return r.has("sg") ? 1 : r.has("pl") ? 2 : 0; }

std::string lowerAscii(std::string s)
{
    // Only ASCII letters change; accented capitals are rare at a word's start.
    for (char &c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    if (s.rfind("\xC3\x88", 0) == 0)  // È
        s.replace(0, 2, "\xC3\xA8");
    return s;
}

bool hasLetterOrDigit(std::string_view s)
{
    for (unsigned char c : s)
        if (std::isalnum(c) || c >= 0xC0)  // ASCII or the lead byte of a Latin letter
            return true;
    return false;
}

bool isPunctuation(const Token &t)
{
    static const std::set<std::string, std::less<>> tags = {
        "cm", "sent", "lpar", "rpar", "lquest", "guio", "quot", "apos", "percent", "lquot", "rquot"};
    if (!t.parts.empty())
        return t.parts.size() == 1 && !t.parts.front().tags.empty() && tags.count(t.parts.front().tags.front()) > 0;
    return !hasLetterOrDigit(t.surface);
}
bool opensSomething(std::string_view s)
{
    return s == "(" || s == "[" || s == "\xC2\xAB" /* « */ || s == "\xE2\x80\x9C" /* “ */ || s == "\xC2\xBF";
}
bool endsSentence(std::string_view suffix)
{
    return suffix.find_first_of(".!?:;") != std::string_view::npos;
}

Features featuresOf(const Reading &r, int code)
{
    Features f;
    if (engine::takesGenderAndNumber(code)) {
        f.gender = r.has("m") ? Gender::Maschile : r.has("f") ? Gender::Femminile : Gender::Unset;
        f.number = r.has("sg") ? Number::Singolare : r.has("pl") ? Number::Plurale : Number::Unset;
    }
    if (code == kArt)
        f.kind = r.has("def") ? ArticleKind::Determinativo : r.has("ind") ? ArticleKind::Indeterminativo : ArticleKind::Unset;
    return f;
}

// Splits the enclitic pronouns off a verb's surface, last first:
// "prestarmela" with two pronouns -> "prestar", {"me", "la"}.
std::vector<std::string> splitEnclitics(std::string &verb, std::size_t count)
{
    static const std::array<std::string_view, 17> forms = {
        "glie", "gli", "mi", "me", "ti", "te", "ci", "ce", "vi", "ve", "si", "se", "lo", "la", "li", "le", "ne"};
    std::vector<std::string> clitics;
    for (std::size_t k = 0; k < count; ++k) {
        const std::string lower = lowerAscii(verb);
        bool found = false;
        for (std::string_view f : forms) {
            if (lower.size() > f.size() + 2 && lower.compare(lower.size() - f.size(), f.size(), f) == 0) {
                clitics.insert(clitics.begin(), verb.substr(verb.size() - f.size()));
                verb.resize(verb.size() - f.size());
                found = true;
                break;
            }
        }
        if (!found)
            break;
    }
    return clitics;
}

Word makeWord(std::string text, const Reading &reading, bool known)
{
    Word w;
    w.text = std::move(text);
    w.lower = lowerAscii(w.text);
    w.reading = reading;
    w.reading.lemma = lowerAscii(w.reading.lemma);
    w.known = known;
    return w;
}

// The written words of the tokens, punctuation attached.
std::vector<Word> buildWords(const std::vector<Token> &tokens, const lexicon::Lexicon *lex)
{
    std::vector<Word> words;
    std::string pendingPrefix;
    bool nextStartsSentence = true;
    // Marks the analyser leaves in the blanks between words (quotes, emoji):
    // what touches a word stays with it, what stands alone joins the word
    // before.
    auto keepBlank = [&](const std::string &blank) {
        const std::size_t first = blank.find(' '), last = blank.rfind(' ');
        std::string before = blank.substr(0, first);
        std::string middle, after;
        if (first != std::string::npos) {
            after = blank.substr(last + 1);
            for (char c : blank.substr(first, last - first))
                if (c != ' ' || (!middle.empty() && middle.back() != ' '))
                    middle += c;
            while (!middle.empty() && middle.back() == ' ')
                middle.pop_back();
        }
        before.erase(std::remove(before.begin(), before.end(), '\n'), before.end());
        if (words.empty()) {  // before the first word: all of it opens the sentence
            pendingPrefix += before;
            if (!middle.empty())
                pendingPrefix += (pendingPrefix.empty() ? "" : " ") + middle + " ";
        } else {
            words.back().suffix += before;
            if (!middle.empty())
                words.back().suffix += " " + middle;
        }
        pendingPrefix += after;
    };
    for (const Token &t : tokens) {
        keepBlank(t.blankBefore);
        if (t.surface.empty())
            continue;
        if (isPunctuation(t)) {
            if (opensSomething(t.surface) || words.empty()) {
                pendingPrefix += t.surface;
            } else {
                words.back().suffix += t.surface;
                if (endsSentence(t.surface))
                    nextStartsSentence = true;
            }
            continue;
        }
        const std::size_t first = words.size();
        if (t.unknown || t.parts.empty()) {
            EncliticSplit split = guessEnclitics(t.surface);
            if (split.verb.empty() || lookUp(lowerAscii(t.surface)) || (lex && lex->knows(t.surface))) {
                words.push_back(makeWord(t.surface, Reading{}, false));
            } else {
                Word verb = makeWord(split.verb, Reading{"", split.verbGuess.tags}, false);
                verb.code = split.verbGuess.code;
                verb.toCheck = true;
                words.push_back(verb);
                for (const std::string &p : split.pronouns) {
                    Word c = makeWord(p, Reading{p, {"prn", "enc"}}, false);
                    c.enclitic = c.glued = true;
                    c.toCheck = true;
                    words.push_back(c);
                }
            }
        } else if (t.parts.size() > 1 && t.parts[0].has("pr")) {
            // An articulated preposition, or one joined with a possessive
            // written as two words ("dei nostri").
            const std::size_t space = t.surface.find(' ');
            Word prep = makeWord(t.surface.substr(0, space), t.parts[0], true);
            prep.articulated = true;
            // The article's gender and number, for a word it makes a noun of
            // ("alle 9"); a preposition itself carries no features.
            if (space == std::string::npos)
                for (const char *tag : {"m", "f", "sg", "pl"})
                    if (t.parts[1].has(tag))
                        prep.reading.tags.emplace_back(tag);
            words.push_back(prep);
            if (space != std::string::npos) {
                Word rest = makeWord(t.surface.substr(space + 1), t.parts[1], true);
                words.push_back(rest);
            }
        } else if (t.parts.size() > 1 && isVerbReading(t.parts[0])) {
            std::string verb = t.surface;
            const std::vector<std::string> clitics = splitEnclitics(verb, t.parts.size() - 1);
            words.push_back(makeWord(verb, t.parts[0], true));
            for (std::size_t k = 0; k < clitics.size(); ++k) {
                Word c = makeWord(clitics[k], t.parts[t.parts.size() - clitics.size() + k], true);
                c.enclitic = c.glued = true;
                words.push_back(c);
            }
        } else if (t.surface.find(' ') != std::string::npos) {
            const Reading &r = t.parts[0];
            if (r.has("rel")) {  // "la quale": one pronoun
                words.push_back(makeWord(t.surface, r, true));
            } else if (r.has("pos")) {  // "il mio": article and possessive
                const std::size_t space = t.surface.rfind(' ');
                Reading article{"il", {"det", "def"}};
                for (const char *tag : {"m", "f", "sg", "pl"})
                    if (r.has(tag))
                        article.tags.emplace_back(tag);
                words.push_back(makeWord(t.surface.substr(0, space), article, true));
                words.push_back(makeWord(t.surface.substr(space + 1), r, true));
            } else if (isVerbReading(r)) {  // "cercano di": the verb, then its linking word
                const std::size_t space = t.surface.find(' ');
                Reading verb = r;
                verb.lemma = verb.lemma.substr(0, verb.lemma.find(' '));
                words.push_back(makeWord(t.surface.substr(0, space), verb, true));
                words.push_back(makeWord(t.surface.substr(space + 1), Reading{}, false));
            } else {  // anything else written as several words ("L'anno prossimo"): word by word
                std::size_t from = 0;
                while (from < t.surface.size()) {
                    std::size_t end = std::min(t.surface.find(' ', from), t.surface.size());
                    const std::size_t apostrophe = t.surface.find('\'', from);
                    if (apostrophe < end)
                        end = apostrophe + 1;  // an elided word ends at its apostrophe
                    if (end > from)
                        words.push_back(makeWord(t.surface.substr(from, end - from), Reading{}, false));
                    from = end < t.surface.size() && t.surface[end] == ' ' ? end + 1 : end;
                }
            }
        } else {
            words.push_back(makeWord(t.surface, t.parts[0], true));
            words.back().alternatives = t.alternatives;
        }
        if (first < words.size()) {
            words[first].prefix = std::move(pendingPrefix);
            pendingPrefix.clear();
            words[first].sentenceStart = nextStartsSentence;
            nextStartsSentence = false;
        }
    }
    if (!pendingPrefix.empty() && !words.empty())
        words.back().suffix += pendingPrefix;
    return words;
}

// Words the analyser does not know, read from the full-form lexicon: its
// best reading first, the others as alternatives for the repairs. The
// closed word lists come first ("ogni", "l'"): they carry school grammar's
// conventions.
void readFromLexicon(std::vector<Word> &words, const lexicon::Lexicon *lex)
{
    if (!lex)
        return;
    for (Word &w : words) {
        if (w.enclitic || lookUp(w.lower))
            continue;
        std::vector<Reading> readings = lexiconReadings(*lex, w.text);
        if (w.known) {  // the tagger chose in context; the lexicon adds what else the word can be
            for (Reading &r : readings)
                w.alternatives.push_back({std::move(r)});
            continue;
        }
        // A capital inside a sentence is a name ("Marco e Luca"), whatever
        // common word it is spelt like.
        if (!w.sentenceStart && !w.text.empty() && w.text.front() >= 'A' && w.text.front() <= 'Z')
            continue;
        if (readings.empty())
            continue;
        w.reading = readings.front();
        w.alternatives.clear();
        for (std::size_t k = 1; k < readings.size(); ++k)
            w.alternatives.push_back({readings[k]});
        w.known = w.fromLexicon = true;
        w.toCheck = false;
    }
}

// The part of speech the analysis gives, before any context.
int codeOfReading(const Word &w)
{
    const Reading &r = w.reading;
    if (w.articulated || r.has("pr"))
        return kPrep;
    if (r.has("det")) {
        if (r.has("def") || (r.has("ind") && (r.lemma == "un" || r.lemma == "uno" || r.lemma == "una")))
            return kArt;
        return kAdj;
    }
    if (r.has("predet") || r.has("num"))
        return kAdj;
    if (r.has("n") || r.has("np"))
        return kNoun;
    if (r.has("adj"))
        return kAdj;
    if (r.has("prn") || r.has("rel"))
        return kPron;
    if (isVerbReading(r))
        return kVerb;
    if (r.has("adv") || r.has("preadv"))
        return kAdv;
    if (r.has("cnjcoo") || r.has("cnjsub") || r.has("cnjadv"))
        return kConj;
    if (r.has("ij"))
        return kExcl;
    return 0;
}

bool hasAlternative(const Word &w, std::string_view tag, Reading *out = nullptr)
{
    for (const auto &a : w.alternatives)
        if (!a.empty() && a.front().has(tag)) {
            if (out)
                *out = a.front();
            return true;
        }
    return false;
}

// The editor's own word list reads the word as an adverb ("subito", "proprio").
bool wordListReadsAdverb(const Word &w)
{
    const LexiconEntry *e = lookUp(w.lower);
    return e && e->code == kAdv;
}

// The word takes the other reading it has with `tag`, and `code`; false,
// and nothing changed, when it has none.
bool takeAlternative(Word &w, std::string_view tag, int code)
{
    Reading r;
    if (!hasAlternative(w, tag, &r))
        return false;
    w.reading = r;
    w.code = code;
    return true;
}

void classify(std::vector<Word> &words)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        Word &w = words[i];
        const LexiconEntry *entry = lookUp(w.lower);
        if (w.known)
            w.code = codeOfReading(w);
        if (w.enclitic) {
            w.code = kPron;
            continue;
        }
        // School grammar calls these conjunctions or exclamations whatever
        // the analyser says; the closed lists also stand in for unknown words.
        if (entry && (entry->overrides || !w.known || w.code == 0)) {
            w.code = entry->code;
            if (w.reading.tags.empty())
                w.reading.tags = entry->tags;
        }
        if (w.code == 0) {
            const Guess g = guessFromEnding(w.text, w.sentenceStart);
            w.code = g.code;
            w.reading.tags = g.tags;
            w.toCheck = true;
        }
        w.determiner = isDeterminer(w.lower, w.reading.lemma) && w.code != kAdv && w.code != kArt
                       && w.code != kPrep && !w.articulated;
    }
}

bool nounLike(const Word &w)
{
    return w.code == kNoun || w.code == kAdj || hasAlternative(w, "n") || hasAlternative(w, "adj") || !w.known;
}

// The words around the one a repair looks at. `prevOpen`: the word before
// is not cut off from it by punctuation.
struct Around {
    std::vector<Word> &words;
    std::size_t i;
    Word &w;
    Word *next;
    const Word *prev;
    bool prevOpen;
};

// Does the noun phrase that ends just before word i still lack its noun?
// "la piccola [canta]", "ottenere grandi [guadagni]": yes; "la sorella
// piccola [dorme]": no, "sorella" is its noun.
bool nounPhraseOpenBefore(const std::vector<Word> &words, std::size_t i)
{
    for (std::size_t k = i; k > 0; --k) {
        const Word &p = words[k - 1];
        if (!p.suffix.empty() && k != i)
            return false;  // "Mario, alto, [corre]": the adjectives go with what came before
        if (p.code == kArt || p.articulated || (p.code == kAdj && p.determiner))
            return true;
        if (p.code == kNoun)
            return false;
        if (p.code != kAdj)
            return k != i;  // adjectives after a verb or a preposition: a noun is still to come
    }
    return i > 0;
}

bool endsWithQuestion(const std::vector<Word> &words, std::size_t from)
{
    for (std::size_t k = from; k < words.size(); ++k) {
        if (words[k].suffix.find('?') != std::string::npos)
            return true;
        if (endsSentence(words[k].suffix))
            return false;
    }
    return false;
}

// A finite verb among the word's other readings ("Salto": a jump, or "I
// jump"), for the repairs that make it take it.
bool finiteVerbAlternative(const Word &w, Reading *out)
{
    for (const auto &a : w.alternatives) {
        if (a.size() != 1 || !isVerbReading(a.front()))
            continue;
        const Reading &r = a.front();
        if (r.has("inf") || r.has("ger") || r.has("pp") || r.has("pprs") || person(r) == 0)
            continue;
        *out = r;
        return true;
    }
    return false;
}

// Verbs that link their subject to an adjective ("sembra stanco").
bool isCopula(const Word &w)
{
    static const std::set<std::string, std::less<>> lemmas = {
        "essere", "sembrare", "parere", "apparire", "diventare", "divenire", "restare", "rimanere", "risultare", "stare"};
    return isVerb(w) && lemmas.count(w.reading.lemma) > 0;
}

// Is word k right after a linking verb, or after one and an adverb of
// degree ("è troppo calda")? Returns the verb, or nothing.
bool isDegreeWord(const Word &w)
{
    static const std::set<std::string, std::less<>> degree = {
        "molto", "troppo", "così", "più", "meno", "proprio", "tanto", "poco", "assai", "davvero", "già", "ancora",
        "sempre", "abbastanza", "piuttosto", "tutto"};
    return degree.count(w.lower) > 0;
}

const Word *copulaBefore(const std::vector<Word> &words, std::size_t k)
{
    std::size_t j = k;
    if (j > 0 && words[j - 1].suffix.empty() && isDegreeWord(words[j - 1]))
        --j;
    if (j == 0 || !words[j - 1].suffix.empty() || !isCopula(words[j - 1]))
        return nullptr;
    return &words[j - 1];
}

// An adjective of the predicate: a word read otherwise that can be one,
// not a name, not before a noun it would go with ("diventò grande amico").
bool becomePredicativeAdjective(Around &a, bool nounToo)
{
    if (!a.w.text.empty() && a.w.text.front() >= 'A' && a.w.text.front() <= 'Z')
        return false;
    if (a.next && a.w.suffix.empty() && (a.next->code == kNoun || isDegreeWord(a.w)))
        return false;  // "è molto gentile": the degree goes with the adjective after it
    const bool misread = (nounToo && a.w.code == kNoun) || isFinite(a.w) || a.w.code == kAdv
                         || (isParticiple(a.w) && !(a.prev && isAux(*a.prev)));
    if (!misread)
        return false;
    return takeAlternative(a.w, "adj", kAdj);
}

// The repairs, in the order they are tried on each word. Each changes the
// tagger's (or the lexicon's) first reading where the words around it show
// that another one is meant; its example is an ordinary sentence where it
// does, and the tests propose every example.
struct Repair {
    RepairRule rule;
    bool (*apply)(Around &);
};

const std::vector<Repair> &repairs()
{
    static const std::vector<Repair> table = {
        {{"articolo-non-pronome", "Abbiamo vinto la partita.", "", "Abbiamo vinto/5 la/1 partita./2",
          "«la», «lo», «le» letti come pronome sono articoli davanti a un nome (o a un participio senza ausiliare "
          "che è anche un nome)"},
         [](Around &a) {
             Reading det, noun;
             if (!(a.w.code == kPron && a.next && a.w.suffix.empty()))
                 return false;
             const bool participleNoun = isParticiple(*a.next) && hasAlternative(*a.next, "n", &noun);
             if (!hasAlternative(a.w, "det", &det)) {
                 // Without the tagger's article reading, only before a participle
                 // that is also a noun ("la partita"): the closed list's article.
                 const LexiconEntry *e = lookUp(a.w.lower);
                 if (!(participleNoun && e && e->code == kArt))
                     return false;
                 det = Reading{a.w.lower == "la" || a.w.lower == "le" ? "la" : "il", e->tags};
                 for (const char *tag : {"m", "f", "sg", "pl"})
                     if (a.w.reading.has(tag))
                         det.tags.emplace_back(tag);
             }
             if (!participleNoun && !(nounLike(*a.next) && !isVerb(*a.next)))
                 return false;
             a.w.reading = det;
             a.w.code = kArt;
             if (participleNoun) {
                 a.next->reading = noun;
                 a.next->code = kNoun;
             }
             return true;
         }},
        {{"il-articolo",
          "Il gatto dorme.",
          "^Il/il<prn><pro><p3><m><sg>$ ^gatto/gatto<n><m><sg>$ ^dorme/dormire<vblex><pri><p3><sg>$^./.<sent>$",
          "Il/1 gatto/2 dorme./5",
          "«il» e «i» sono sempre articoli"},
         [](Around &a) {
             if (!((a.w.lower == "il" || a.w.lower == "i") && a.w.code == kPron))
                 return false;
             a.w.code = kArt;
             a.w.reading.tags = {"det", "def"};
             return true;
         }},
        {{"verbo-dopo-articolo",
          "La porta è chiusa.",
          "^La/il<det><def><f><sg>$ ^porta/portare<vblex><pri><p3><sg>/porta<n><f><sg>$ "
          "^è/essere<vbser><pri><p3><sg>$ ^chiusa/chiuso<adj><f><sg>$^./.<sent>$",
          "La/1 porta/2 è/5 chiusa./3",
          "dopo un articolo, o dopo un aggettivo di un gruppo del nome che non ha ancora il suo nome, una parola "
          "letta come verbo finito è un nome; dopo l'articolo anche una letta come avverbio"},
         [](Around &a) {
             const bool afterArticle = a.prevOpen && (a.prev->code == kArt || a.prev->articulated);
             const bool openPhrase = a.prevOpen && nounPhraseOpenBefore(a.words, a.i);
             if (!((openPhrase && isVerb(a.w) && !has(a.w, "inf") && !has(a.w, "pp")) || (afterArticle && a.w.code == kAdv)))
                 return false;
             Reading alt;
             if (hasAlternative(a.w, "n", &alt)) {
                 a.w.reading = alt;
                 a.w.code = kNoun;
             } else {
                 a.w.code = a.next && a.next->code == kNoun ? kAdj : kNoun;
                 a.w.reading.tags.clear();
                 a.w.toCheck = true;
             }
             return true;
         }},
        {{"participio-nome-dopo-verbo",
          "Il sindaco presenterà ricorso.",
          "",
          "Il/1 sindaco/2 presenterà/5 ricorso./2",
          "un participio subito dopo un verbo finito che non è ausiliare, se può essere un nome, è il nome"},
         [](Around &a) {
             return isParticiple(a.w) && a.prevOpen && isFinite(*a.prev) && !isAux(*a.prev)
                    && takeAlternative(a.w, "n", kNoun);
         }},
        {{"subito-avverbio", "Vieni subito.", "", "Vieni/5 subito./6",
          "un participio senza ausiliare che è anche un avverbio («subito») è l'avverbio"},
         [](Around &a) {
             if (!(isParticiple(a.w) && !(a.prev && isAux(*a.prev)) && wordListReadsAdverb(a.w)))
                 return false;
             a.w.code = kAdv;
             return true;
         }},
        {{"nome-avverbio",
          "E ora andiamo.",
          "^E/e<cnjcoo>$ ^ora/ora<n><f><sg>/ora<adv>$ ^andiamo/andare<vblex><pri><p1><pl>$^./.<sent>$",
          "E/8 ora/6 andiamo./5",
          "un nome senza articolo, preposizione o aggettivo davanti, che è anche un avverbio, è l'avverbio"},
         [](Around &a) {
             if (!(a.w.code == kNoun
                   && !(a.prevOpen && (a.prev->code == kArt || a.prev->code == kPrep || a.prev->code == kAdj))))
                 return false;
             if (!(hasAlternative(a.w, "adv") || wordListReadsAdverb(a.w)))
                 return false;
             a.w.code = kAdv;
             return true;
         }},
        {{"aggettivo-avverbio-prima-di-articolo", "È proprio una sorpresa.", "", "È/5 proprio/6 una/1 sorpresa./2",
          "un aggettivo che è anche avverbio, davanti a un articolo, è l'avverbio"},
         [](Around &a) {
             if (!(a.w.code == kAdj && !a.w.determiner && a.next && a.next->code == kArt && a.w.suffix.empty()
                   && !(a.prevOpen && (a.prev->code == kArt || a.prev->code == kPrep)) && wordListReadsAdverb(a.w)))
                 return false;
             a.w.code = kAdv;
             return true;
         }},
        {{"sconosciuto-dopo-preposizione",
          "Arriva in mattinata.",
          "^Arriva/arrivare<vblex><pri><p3><sg>$ ^in/in<pr>$ ^mattinata/*mattinata$^./.<sent>$",
          "Arriva/5 in/7 mattinata./2",
          "una parola sconosciuta letta come participio subito dopo una preposizione semplice è un nome"},
         [](Around &a) {
             if (!(!a.w.known && isParticiple(a.w) && a.prevOpen && a.prev->code == kPrep && !a.prev->articulated))
                 return false;
             a.w.code = kNoun;
             a.w.reading.tags = {"n"};
             return true;
         }},
        {{"sconosciuto-dopo-nome",
          "Ho un cane pasticcione.",
          "^Ho/avere<vbhaver><pri><p1><sg>$ ^un/un<det><ind><m><sg>$ ^cane/cane<n><m><sg>$ "
          "^pasticcione/*pasticcione$^./.<sent>$",
          "Ho/5 un/1 cane/2 pasticcione./3",
          "una parola sconosciuta subito dopo un nome è più probabilmente il suo aggettivo"},
         [](Around &a) {
             if (!(!a.w.known && a.w.toCheck && a.w.code == kNoun && a.prevOpen && a.prev->code == kNoun
                   && a.prev->known && a.w.text.front() >= 'a'))
                 return false;
             a.w.code = kAdj;
             return true;
         }},
        {{"aggettivo-dopo-nome", "Ho visto due gatti randagi.", "", "Ho visto/5 due/3 gatti/2 randagi./3",
          "una parola che l'analizzatore non conosce, letta dal lessico come nome, subito dopo un nome è il suo "
          "aggettivo quando può esserlo (il lessico non guarda il contesto, l'analizzatore sì)"},
         [](Around &a) {
             return a.w.fromLexicon && a.w.code == kNoun && a.prevOpen && a.prev->code == kNoun
                    && takeAlternative(a.w, "adj", kAdj);
         }},
        {{"nome-dopo-preposizione", "Arriverò in ritardo.", "", "Arriverò/5 in/7 ritardo./2",
          "dopo una preposizione una parola letta come verbo finito, che può essere un nome, è il nome"},
         [](Around &a) {
             return a.prevOpen && (a.prev->code == kPrep || a.prev->articulated) && isFinite(a.w)
                    && takeAlternative(a.w, "n", kNoun);
         }},
        {{"avverbio-interrogativo", "Quando parte il treno?", "", "Quando/6 parte/5 il/1 treno?/2",
          "«perché», «dove», «quando», «come» in testa a una domanda sono avverbi interrogativi"},
         [](Around &a) {
             static const std::set<std::string, std::less<>> words = {"perché", "dove", "quando", "come"};
             if (!(a.w.sentenceStart && words.count(a.w.lower) && a.w.code != kAdv && endsWithQuestion(a.words, a.i)))
                 return false;
             a.w.code = kAdv;
             a.w.reading.tags = {"adv", "itg"};
             return true;
         }},
        {{"verbo-in-testa", "Salto la corda.", "", "Salto/5 la/1 corda./2",
          "la prima parola di una frase, letta come nome senza articolo ma che è anche un verbo di modo finito, "
          "seguita da un articolo, una preposizione, un avverbio o un pronome, è il verbo (un nome in testa "
          "alla frase ha quasi sempre l'articolo)"},
         [](Around &a) {
             if (!(a.w.sentenceStart && a.w.code == kNoun && a.w.suffix.empty() && a.next && !a.next->reading.has("pos")))
                 return false;
             const Word &n = *a.next;
             if (!(n.code == kArt || n.code == kPrep || n.articulated || n.code == kAdv || n.code == kPron
                   || (n.code == kAdj && n.determiner)))
                 return false;
             Reading verb;
             if (!finiteVerbAlternative(a.w, &verb))
                 return false;
             a.w.reading = verb;
             a.w.code = kVerb;
             return true;
         }},
        {{"numero-dopo-articolo", "Il negozio apre alle 9.", "", "Il/1 negozio/2 apre/5 alle/7 9./2",
          "un numero o un orario dopo un articolo (anche unito alla preposizione), senza un nome dopo, è un nome "
          "(«alle 9», «le nove», «nel 2020»), del genere e del numero dell'articolo"},
         [](Around &a) {
             if (!(a.w.reading.has("num") && a.prevOpen && (a.prev->code == kArt || a.prev->articulated)))
                 return false;
             if (a.next && a.w.suffix.empty()
                 && (a.next->code == kNoun || a.next->code == kAdj || a.next->code == kArt || !a.next->known))
                 return false;  // "le tre sorelle": the numeral goes with its noun
             Reading noun{a.w.reading.lemma, {"n"}};
             for (const char *tag : {"m", "f", "sg", "pl"})
                 if (a.prev->reading.has(tag))
                     noun.tags.emplace_back(tag);
             a.w.reading = noun;
             a.w.code = kNoun;
             a.w.determiner = false;
             a.w.toCheck = false;
             return true;
         }},
        {{"aggettivo-predicativo", "Le mele diventano rosse.", "", "Le/1 mele/2 diventano/5 rosse./3",
          "dopo «sembrare», «apparire», «diventare», «restare», «rimanere» (e dopo «essere» se non è letta come "
          "nome: «è maestro» resta nome) una parola letta come nome, verbo o avverbio che può essere un "
          "aggettivo è l'aggettivo del predicato"},
         [](Around &a) {
             const Word *copula = copulaBefore(a.words, a.i);
             return copula && becomePredicativeAdjective(a, copula->reading.lemma != "essere");
         }},
        {{"aggettivo-predicativo-coordinato", "Il vestito è nuovo e pulito.", "",
          "Il/1 vestito/2 è/5 nuovo/3 e/8 pulito./3",
          "dopo un aggettivo del predicato e «e», «o», «ma», una parola letta come nome, verbo o avverbio che può "
          "essere un aggettivo è un secondo aggettivo del predicato"},
         [](Around &a) {
             if (!(a.i >= 2 && a.prevOpen && a.prev->code == kConj && a.words[a.i - 2].code == kAdj
                   && a.words[a.i - 2].suffix.empty()))
                 return false;
             static const std::set<std::string, std::less<>> joins = {"e", "ed", "o", "ma"};
             const Word *copula = copulaBefore(a.words, a.i - 2);
             return joins.count(a.prev->lower) && copula && becomePredicativeAdjective(a, true);
         }},
        {{"nome-proprio-in-testa", "Luca è partito.", "", "Luca/2 è partito./5",
          "una parola con la maiuscola in testa alla frase, che l'analizzatore non conosce e il lessico legge "
          "come verbo, seguita subito da un verbo di modo finito, è un nome proprio (il soggetto)"},
         [](Around &a) {
             if (!(a.w.sentenceStart && a.w.fromLexicon && isFinite(a.w) && a.w.suffix.empty() && a.next
                   && isFinite(*a.next) && !a.w.text.empty() && a.w.text.front() >= 'A' && a.w.text.front() <= 'Z'))
                 return false;
             a.w.reading = Reading{a.w.text, {"np"}};
             a.w.code = kNoun;
             a.w.toCheck = true;  // a name neither the analyser nor the lexicon knows
             return true;
         }},
        {{"articolo-eliso-genere", "L'ombrello è nel cassetto.", "", "L'/1 ombrello/2 è/5 nel/7 cassetto./2",
          "un articolo eliso («l'») ha il genere del nome che lo segue (e il suo numero, dove l'analizzatore "
          "non lo dà: «L'anno prossimo» gli arriva come una parola sola)"},
         [](Around &a) {
             if (!(a.w.code == kArt && !a.w.text.empty() && a.w.text.back() == '\'' && a.next))
                 return false;
             bool changed = false;
             for (const auto &pair : {std::pair{"m", "f"}, std::pair{"sg", "pl"}})
                 if (!has(a.w, pair.first) && !has(a.w, pair.second))
                     for (const char *tag : {pair.first, pair.second})
                         if (a.next->reading.has(tag)) {
                             a.w.reading.tags.emplace_back(tag);
                             changed = true;
                         }
             return changed;
         }},
    };
    return table;
}

// Context repairs where the first reading does not fit: the table above,
// then the noun phrase left without a noun.
void repairReadings(std::vector<Word> &words, std::vector<std::string> *fired)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        Word *next = i + 1 < words.size() ? &words[i + 1] : nullptr;
        const Word *prev = i > 0 ? &words[i - 1] : nullptr;
        Around a{words, i, words[i], next, prev, prev && prev->suffix.empty()};
        for (const Repair &r : repairs())
            if (r.apply(a) && fired)
                fired->push_back(r.rule.name);
    }
    // A noun phrase with no noun: its last word that can be one is the noun.
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (!(words[i].code == kArt || words[i].articulated || words[i].determiner))
            continue;
        std::size_t j = i + 1;
        bool noun = false;
        std::size_t lastCandidate = 0;
        while (j < words.size() && (words[j].code == kAdj || words[j].code == kNoun || isParticiple(words[j]))) {
            noun = noun || words[j].code == kNoun;
            if (hasAlternative(words[j], "n") || isParticiple(words[j]))
                lastCandidate = j;
            if (!words[j].suffix.empty())
                break;
            ++j;
        }
        if (!noun && lastCandidate == 0 && j == i + 2 && words[i + 1].code == kAdj && !words[i + 1].determiner
            && (words[i].code == kArt || words[i].articulated))
            lastCandidate = i + 1;  // "ai passeggeri": an adjective alone after an article is a noun
        if (!noun && lastCandidate > i && !(words[lastCandidate].code == kAdj && words[lastCandidate].determiner)) {
            Reading alt;
            if (hasAlternative(words[lastCandidate], "n", &alt))
                words[lastCandidate].reading = alt;
            else
                words[lastCandidate].toCheck = true;
            words[lastCandidate].code = kNoun;
            if (fired)
                fired->push_back("gruppo-senza-nome");
        }
    }
}

// Determiners and numerals: adjectives before a noun, pronouns otherwise.
void resolveDeterminers(std::vector<Word> &words)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        Word &w = words[i];
        if (!(w.determiner || w.reading.has("num")) || w.code == kVerb)
            continue;
        bool beforeNoun = false;
        if (w.suffix.empty()) {
            for (std::size_t j = i + 1; j < words.size() && j <= i + 3; ++j) {
                const Word &n = words[j];
                if (n.code == kNoun || n.code == kArt || (!n.known && n.code != kVerb)) {
                    beforeNoun = true;
                    break;
                }
                if (!(n.code == kAdj) || !n.suffix.empty())
                    break;
            }
        }
        // A possessive right after its noun: "casa mia".
        const bool afterNoun = i > 0 && words[i - 1].code == kNoun && words[i - 1].suffix.empty() && w.reading.has("pos");
        w.code = beforeNoun || afterNoun ? kAdj : kPron;
        // "si arrabbiò moltissimo": quantity after a verb is an adverb.
        const std::string &l = w.reading.lemma;
        if (!beforeNoun && i > 0 && isVerb(words[i - 1]) && (l == "molto" || l == "poco" || l == "tanto" || l == "troppo")
            && !w.lower.empty() && w.lower.back() == 'o')
            w.code = kAdv;
    }
}

bool isRelativeChe(const std::vector<Word> &words, std::size_t i)
{
    if (i == 0)
        return false;
    const Word &prev = words[i - 1];
    return prev.code == kNoun && (prev.suffix.empty() || prev.suffix == ",");
}

void resolveChe(std::vector<Word> &words)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        Word &w = words[i];
        if (w.lower != "che")
            continue;
        const Word *next = i + 1 < words.size() ? &words[i + 1] : nullptr;
        const bool exclamative = (w.sentenceStart || (i > 0 && !words[i - 1].suffix.empty())) && next
                                 && (next->code == kAdj || next->code == kNoun) && !next->determiner;
        if (exclamative)
            w.code = kAdj;
        else
            w.code = isRelativeChe(words, i) ? kPron : kConj;
    }
}

bool sameSubject(const Word &clitic, const Reading &verb)
{
    const std::string &c = clitic.lower;
    if (c == "si" || c == "se")
        return true;
    const int p = person(verb), n = number(verb);
    if (p == 0)
        return false;
    if (c == "mi" || c == "me")
        return p == 1 && n == 1;
    if (c == "ti" || c == "te")
        return p == 2 && n == 1;
    if (c == "ci" || c == "ce")
        return p == 1 && n == 2;
    if (c == "vi" || c == "ve")
        return p == 2 && n == 2;
    return false;
}

// A pronoun written before a verb; "me", "te", "se" ... only before another
// one ("se ne andò", "me lo disse").
bool isProclitic(const Word &w, const Word &next)
{
    static const std::set<std::string, std::less<>> forms = {"mi", "ti", "si", "ci", "vi", "ne", "lo",
                                                             "la", "li", "le", "gli", "c'"};
    static const std::set<std::string, std::less<>> beforeAnother = {"me", "te", "se", "ce", "ve", "glie"};
    if (!w.suffix.empty() || w.code == kArt || w.code == kAdv)
        return false;
    static const std::set<std::string, std::less<>> second = {"ne", "lo", "la", "li", "le"};
    return forms.count(w.lower) > 0 || (beforeAnother.count(w.lower) > 0 && second.count(next.lower) > 0);
}

// Verb groups: auxiliaries with their participles, modals and phrasal verbs
// with their infinitives, pronominal particles with their verb, and the
// split of pronouns written onto a verb.
void groupVerbs(std::vector<Word> &words)
{
    std::size_t i = 0;
    while (i < words.size()) {
        if (!isVerb(words[i])) {
            ++i;
            continue;
        }
        const std::size_t head = i;
        std::size_t last = i;
        std::string linking;
        for (;;) {
            Word &cur = words[last];
            if (!cur.suffix.empty())
                break;
            std::size_t n = last + 1;
            while (n < words.size() && words[n].enclitic)
                ++n;
            if (n >= words.size() || words[n - 1].enclitic)
                break;  // a verb with pronouns written on it ends the group
            Word &nx = words[n];
            // The lexicon reads a form like "addormentati" as a verb of any
            // mood, "allagato" also as a noun: after an auxiliary it is the participle.
            Reading participle;
            if (isAux(cur) && nx.fromLexicon && !isParticiple(nx)
                && (has(nx, "pp") || hasAlternative(nx, "pp", &participle))) {
                if (!has(nx, "pp"))
                    nx.reading = participle;
                nx.code = kVerb;
            }
            const bool auxToParticiple = isAux(cur) && (isParticiple(nx) || (!nx.known && has(nx, "pp")));
            const bool modalToInfinitive = (has(cur, "vbmod") || isModal(cur.reading.lemma)) && isInfinitive(nx);
            const bool phrasal = isPhrasalVerb(cur.reading.lemma) && n + 1 < words.size()
                                 && isLinkingWord(nx.lower) && isInfinitive(words[n + 1]) && nx.suffix.empty();
            if (auxToParticiple || modalToInfinitive) {
                nx.joinPrevious = true;
                last = n;
            } else if (phrasal) {
                nx.joinPrevious = words[n + 1].joinPrevious = true;
                last = n + 1;
            } else {
                break;
            }
        }
        // The person of the group: its finite verb, or the nearest one before.
        Reading subject;
        for (std::size_t k = head; k <= last; ++k)
            if (isFinite(words[k])) {
                subject = words[k].reading;
                break;
            }
        if (subject.tags.empty())
            for (std::size_t k = head; k-- > 0;)
                if (isFinite(words[k])) {
                    subject = words[k].reading;
                    break;
                }
        // Particles before the verb: "si", "se ne", "ci siamo".
        std::size_t p = head;
        while (p > 0 && isProclitic(words[p - 1], words[p]) && !words[p - 1].joinPrevious)
            --p;
        // "ci"/"vi" of place: "ci andiamo", "vi andrò", "ci sono".
        const Reading &verb = words[head].reading;
        const bool ofPlace = isVerbOfPlace(verb.lemma) || (verb.lemma == "essere" && person(verb) == 3);
        if (p + 1 == head && (words[p].lower == "ci" || words[p].lower == "c'" || words[p].lower == "vi") && ofPlace) {
            words[p].code = kAdv;
        } else if (p < head) {
            // Before "essere" and a participle the particle also chooses
            // between the auxiliary's readings: "Me ne sono accorto", where
            // the tagger read "sono" as "they are". (Not other verbs: "mi
            // presti" is "you lend me", whatever else "presti" can be.)
            bool otherReading = false;
            for (std::size_t k = head; k < last && !otherReading; ++k)
                if (isFinite(words[k]) && words[k].reading.lemma == "essere")
                    for (const auto &alt : words[k].alternatives)
                        otherReading = otherReading
                                       || (alt.size() == 1 && isVerbReading(alt.front()) && sameSubject(words[p], alt.front()));
            const bool pronominal = sameSubject(words[p], subject) || otherReading
                                    || (words[p].lower == "se" && p + 1 < head && words[p + 1].lower == "ne");
            if (pronominal) {
                for (std::size_t k = p; k < head; ++k)
                    words[k].code = kVerb;
                for (std::size_t k = p + 1; k <= head; ++k)
                    words[k].joinPrevious = true;
            }
        }
        // Pronouns written onto the verb: kept with it when they are its own
        // ("trattenermi", "scoraggiatevi"), otherwise units of their own.
        std::size_t e = last + 1;
        if (e < words.size() && words[e].enclitic) {
            const bool pronominal = sameSubject(words[e], subject);
            for (std::size_t k = e; k < words.size() && words[k].enclitic; ++k) {
                if (pronominal) {
                    words[k].joinPrevious = true;
                } else {
                    words[k - 1].text += '-';
                    words[k].glued = false;
                }
                last = k;
            }
        }
        i = last + 1;
    }
}

// Exclamations that open a sentence ("Per Bacco!", "Povero me!", "Peccato!")
// and two-word phrases of one part of speech ("insieme con").
void joinPhrases(std::vector<Word> &words)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        Word &w = words[i];
        if (!w.sentenceStart)
            continue;
        for (std::size_t len = 1; len <= 2 && i + len <= words.size(); ++len) {
            const Word &end = words[i + len - 1];
            if (end.suffix.find('!') == std::string::npos) {
                if (!end.suffix.empty())
                    break;
                continue;
            }
            bool verb = false;
            for (std::size_t k = i; k < i + len; ++k)
                verb = verb || isVerb(words[k]);
            if (verb)
                break;
            w.code = kExcl;
            for (std::size_t k = i + 1; k < i + len; ++k)
                words[k].joinPrevious = true;
            break;
        }
    }
    for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        if (words[i].suffix.empty() && isPrepositionalPhrase(words[i].lower, words[i + 1].lower)) {
            words[i].code = kPrep;
            words[i + 1].joinPrevious = true;
        }
        // "così ... che": the correlative conjunction, with the hint the
        // key writes.
        if ((words[i].lower == "così" || words[i].lower == "talmente") && words[i].code == kAdv) {
            for (std::size_t j = i + 1; j < words.size() && j <= i + 3; ++j)
                if (words[j].lower == "che" && words[j].code == kConj) {
                    words[i].code = kConj;
                    words[i].suffix += " (...che )";
                    break;
                }
        }
    }
}

// Another reading of the same kind of word with another gender or number
// ("felici": masculine or feminine; "città": singular or plural).
bool featuresInDoubt(const Word &w)
{
    if (w.reading.tags.empty())
        return false;
    const Features chosen = featuresOf(w.reading, w.code);
    for (const auto &alt : w.alternatives) {
        if (alt.size() != 1 || alt.front().tags.empty() || alt.front().tags.front() != w.reading.tags.front())
            continue;
        const Features other = featuresOf(alt.front(), w.code);
        if (other.gender != chosen.gender || other.number != chosen.number)
            return true;
    }
    return false;
}

std::vector<ProposedUnit> toUnits(const std::vector<Word> &words)
{
    std::vector<ProposedUnit> units;
    for (const Word &w : words) {
        const std::string piece = w.prefix + w.text + w.suffix;
        if (w.joinPrevious && !units.empty()) {
            std::string &t = units.back().unit.text;
            if (!w.glued && !t.empty() && t.back() != '\'')
                t += ' ';
            t += piece;
            units.back().toCheck = units.back().toCheck || w.toCheck;
            continue;
        }
        ProposedUnit u;
        u.unit.text = piece;
        u.unit.code = w.code;
        u.unit.features = featuresOf(w.reading, w.code);
        if (w.reading.has("num") || w.determiner)
            u.unit.features.kind = ArticleKind::Unset;
        u.toCheck = w.toCheck;
        u.featuresToCheck = !u.unit.features.isEmpty() && featuresInDoubt(w);
        units.push_back(std::move(u));
    }
    return units;
}

// The words of each unit of toUnits(), grouped the same way, for the
// proposals of a verb's values and of a word's kind.
std::vector<UnitWords> unitWordsOf(const std::vector<Word> &words)
{
    std::vector<UnitWords> out;
    for (const Word &w : words) {
        if (!(w.joinPrevious && !out.empty()))
            out.emplace_back();
        UnitWord u{w.lower, w.reading, {}, w.known || w.fromLexicon};
        for (const auto &alt : w.alternatives)
            if (alt.size() == 1)
                u.others.push_back(alt.front());
        out.back().push_back(std::move(u));
    }
    return out;
}

}  // namespace

std::vector<RepairRule> repairRules()
{
    std::vector<RepairRule> out;
    for (const Repair &r : repairs())
        out.push_back(r.rule);
    return out;
}

std::vector<ProposedUnit> proposeUnits(const std::vector<Token> &tokens, const lexicon::Lexicon *lex,
                                       std::vector<std::string> *firedRepairs, std::vector<UnitWords> *unitWords)
{
    std::vector<Word> words = buildWords(tokens, lex);
    readFromLexicon(words, lex);
    classify(words);
    repairReadings(words, firedRepairs);
    resolveDeterminers(words);
    resolveChe(words);
    groupVerbs(words);
    joinPhrases(words);
    if (unitWords)
        *unitWords = unitWordsOf(words);
    return toUnits(words);
}

std::vector<Token> plainTokens(std::string_view text)
{
    std::vector<Token> tokens;
    std::size_t i = 0;
    auto isSpace = [](char c) { return c == ' '; };
    auto isMark = [](unsigned char c) { return std::ispunct(c) && c != '\'' && c != '-'; };
    while (i < text.size()) {
        if (isSpace(text[i])) {
            ++i;
            continue;
        }
        Token t;
        t.unknown = true;
        if (isMark(static_cast<unsigned char>(text[i]))) {
            t.surface = std::string(1, text[i++]);
        } else {
            std::size_t j = i;
            while (j < text.size() && !isSpace(text[j]) && !isMark(static_cast<unsigned char>(text[j]))) {
                if (text[j] == '\'') {  // an elided word ends at its apostrophe
                    ++j;
                    break;
                }
                ++j;
            }
            t.surface = std::string(text.substr(i, j - i));
            i = j;
        }
        tokens.push_back(std::move(t));
    }
    return tokens;
}

std::string cleanSentence(std::string_view text)
{
    struct Swap {
        std::string_view from, to;
    };
    static const std::array<Swap, 14> swaps = {{
        {"\xE2\x80\x99", "'"},  // ’
        {"\xE2\x80\x98", "'"},  // ‘
        {"\xCA\xBC", "'"},      // ʼ
        {"\xC2\xB4", "'"},      // ´
        {"\xC2\xA0", " "},      // no-break space
        {"\xE2\x80\xAF", " "},  // narrow no-break space
        {"\xE2\x80\x89", " "},  // thin space
        {"\xE2\x80\x83", " "},  // em space
        {"\xE2\x80\x82", " "},  // en space
        {"\xC2\xAD", ""},       // soft hyphen
        {"\xE2\x80\x8B", ""},   // zero-width space
        {"\xEF\xBB\xBF", ""},   // byte order mark
        {"|", "/"},
        {"=", "-"},
    }};
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        bool swapped = false;
        for (const Swap &s : swaps)
            if (text.compare(i, s.from.size(), s.from) == 0) {
                out += s.to;
                i += s.from.size();
                swapped = true;
                break;
            }
        if (swapped)
            continue;
        const unsigned char c = static_cast<unsigned char>(text[i]);
        out += (c < 0x20 || c == 0x7F) ? ' ' : char(c);
        ++i;
    }
    // Single spaces, none at the ends.
    std::string collapsed;
    for (char c : out) {
        if (c == ' ' && (collapsed.empty() || collapsed.back() == ' '))
            continue;
        collapsed += c;
    }
    while (!collapsed.empty() && collapsed.back() == ' ')
        collapsed.pop_back();
    return collapsed;
}

}  // namespace editor
