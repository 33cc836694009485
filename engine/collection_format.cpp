#include "collection_format.h"

#include <algorithm>
#include <array>
#include <optional>

#include "kind_words.h"
#include "text_decoding.h"
#include "further_questions.h"
#include "utf8_text.h"
#include "word_room.h"

namespace engine::collection {

namespace {
bool isSpace(char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::string_view trim(std::string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

namespace {

// --- words of the analysis ----------------------------------------------------

struct Word {
    std::string_view spelling;
    int value;
};

// Part-of-speech words, abbreviations and button numbers, by answer code.
constexpr std::array<Word, 30> kPartsOfSpeech = {{
    {"articolo", 1}, {"art", 1}, {"1", 1},
    {"nome", 2}, {"sostantivo", 2}, {"sost", 2}, {"2", 2},
    {"aggettivo", 3}, {"agg", 3}, {"3", 3},
    {"pronome", 4}, {"pron", 4}, {"4", 4},
    {"verbo", 5}, {"v", 5}, {"5", 5},
    {"avverbio", 6}, {"avv", 6}, {"6", 6},
    {"preposizione", 7}, {"prep", 7}, {"7", 7},
    {"congiunzione", 8}, {"cong", 8}, {"8", 8},
    {"esclamazione", 9}, {"interiezione", 9}, {"escl", 9}, {"inter", 9}, {"9", 9},
}};

enum class Axis { Kind, Gender, Number };
struct FeatureWord {
    std::string_view spelling;
    Axis axis;
    int value;  // the enum's value
};
constexpr std::array<FeatureWord, 18> kFeatureWords = {{
    {"determinativo", Axis::Kind, 1}, {"det", Axis::Kind, 1},
    {"indeterminativo", Axis::Kind, 2}, {"indet", Axis::Kind, 2},
    {"partitivo", Axis::Kind, 3}, {"part", Axis::Kind, 3},
    {"maschile", Axis::Gender, 1}, {"masch", Axis::Gender, 1}, {"m", Axis::Gender, 1},
    {"femminile", Axis::Gender, 2}, {"femm", Axis::Gender, 2}, {"f", Axis::Gender, 2},
    {"singolare", Axis::Number, 1}, {"sing", Axis::Number, 1}, {"s", Axis::Number, 1},
    {"plurale", Axis::Number, 2}, {"plur", Axis::Number, 2}, {"p", Axis::Number, 2},
}};

// A verb's words: its mood, tense, person, form and transitivity (the number
// is the feature word above; the infinitive is any word that is one).
enum class VerbAxis { Lemma, Mood, Tense, Person, Number, Form, Transitivity };
struct VerbWord {
    std::string_view spelling;
    VerbAxis axis;
    int value;
};
constexpr std::array<VerbWord, 50> kVerbWords = {{
    {"ind", VerbAxis::Mood, 1}, {"indicativo", VerbAxis::Mood, 1},
    {"cong", VerbAxis::Mood, 2}, {"congiuntivo", VerbAxis::Mood, 2},
    {"cond", VerbAxis::Mood, 3}, {"condizionale", VerbAxis::Mood, 3},
    {"imper", VerbAxis::Mood, 4}, {"imperativo", VerbAxis::Mood, 4},
    {"inf", VerbAxis::Mood, 5}, {"infinito", VerbAxis::Mood, 5},
    {"part", VerbAxis::Mood, 6}, {"participio", VerbAxis::Mood, 6},
    {"ger", VerbAxis::Mood, 7}, {"gerundio", VerbAxis::Mood, 7},
    {"presente", VerbAxis::Tense, 1}, {"pres", VerbAxis::Tense, 1},
    {"imperfetto", VerbAxis::Tense, 2}, {"imperf", VerbAxis::Tense, 2},
    {"passato-remoto", VerbAxis::Tense, 3}, {"pass-rem", VerbAxis::Tense, 3},
    {"futuro", VerbAxis::Tense, 4}, {"futuro-semplice", VerbAxis::Tense, 4}, {"fut", VerbAxis::Tense, 4},
    {"passato-prossimo", VerbAxis::Tense, 5}, {"pass-pross", VerbAxis::Tense, 5},
    {"trapassato-prossimo", VerbAxis::Tense, 6}, {"trap-pross", VerbAxis::Tense, 6},
    {"trapassato-remoto", VerbAxis::Tense, 7}, {"trap-rem", VerbAxis::Tense, 7},
    {"futuro-anteriore", VerbAxis::Tense, 8}, {"fut-ant", VerbAxis::Tense, 8},
    {"passato", VerbAxis::Tense, 9},
    {"trapassato", VerbAxis::Tense, 10}, {"trap", VerbAxis::Tense, 10},
    {"1", VerbAxis::Person, 1}, {"prima", VerbAxis::Person, 1},
    {"2", VerbAxis::Person, 2}, {"seconda", VerbAxis::Person, 2},
    {"3", VerbAxis::Person, 3}, {"terza", VerbAxis::Person, 3},
    {"att", VerbAxis::Form, 1}, {"attiva", VerbAxis::Form, 1},
    {"pass", VerbAxis::Form, 2}, {"passiva", VerbAxis::Form, 2},
    {"rifl", VerbAxis::Form, 3}, {"riflessiva", VerbAxis::Form, 3},
    {"tr", VerbAxis::Transitivity, 1}, {"transitivo", VerbAxis::Transitivity, 1},
    {"intr", VerbAxis::Transitivity, 2}, {"intransitivo", VerbAxis::Transitivity, 2},
}};

// The canonical spelling of each verb value, by axis and value.
std::string_view verbSpelling(VerbAxis axis, int value)
{
    static constexpr std::array<std::string_view, 8> moods = {"", "ind", "cong", "cond", "imper", "inf", "part", "ger"};
    static constexpr std::array<std::string_view, 11> tenses = {
        "", "presente", "imperfetto", "passato-remoto", "futuro", "passato-prossimo", "trapassato-prossimo",
        "trapassato-remoto", "futuro-anteriore", "passato", "trapassato"};
    static constexpr std::array<std::string_view, 4> persons = {"", "1", "2", "3"};
    static constexpr std::array<std::string_view, 4> forms = {"", "att", "pass", "rifl"};
    static constexpr std::array<std::string_view, 3> transitivities = {"", "tr", "intr"};
    switch (axis) {
    case VerbAxis::Mood: return moods.at(std::size_t(value));
    case VerbAxis::Tense: return tenses.at(std::size_t(value));
    case VerbAxis::Person: return persons.at(std::size_t(value));
    case VerbAxis::Form: return forms.at(std::size_t(value));
    case VerbAxis::Transitivity: return transitivities.at(std::size_t(value));
    case VerbAxis::Lemma:
    case VerbAxis::Number: break;
    }
    return "";
}

constexpr std::array<std::string_view, 10> kAbbreviations = {
    "", "art", "nome", "agg", "pron", "verbo", "avv", "prep", "cong", "escl"};

std::string lowerAscii(std::string_view s)
{
    std::string out(s);
    for (char &c : out)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return out;
}

std::optional<int> partOfSpeech(std::string_view token)
{
    const std::string w = lowerAscii(token);
    for (const Word &p : kPartsOfSpeech)
        if (p.spelling == w)
            return p.value;
    return std::nullopt;
}

std::optional<FeatureWord> featureWord(std::string_view token)
{
    const std::string w = lowerAscii(token);
    for (const FeatureWord &f : kFeatureWords)
        if (f.spelling == w)
            return f;
    return std::nullopt;
}

// A verb word; an infinitive ("preparare", "arrabbiarsi") is any word of
// lower-case letters whose ending gives a conjugation.
std::optional<VerbWord> verbWord(std::string_view token)
{
    const std::string w = lowerAscii(token);
    for (const VerbWord &v : kVerbWords)
        if (v.spelling == w)
            return v;
    if (featureWord(w))  // "singolare" is no infinitive
        return std::nullopt;
    const bool letters = std::all_of(w.begin(), w.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    if (letters && conjugationOf(w) != Conjugation::Unset)
        return VerbWord{token, VerbAxis::Lemma, 0};
    return std::nullopt;
}

int verbWordValue(std::string_view text, VerbAxis axis)
{
    if (const std::optional<VerbWord> v = verbWord(text); v && v->axis == axis)
        return v->value;
    if (const std::optional<FeatureWord> f = featureWord(text))
        return f->value;
    return 0;
}

std::string_view verbAxisName(VerbAxis a)
{
    switch (a) {
    case VerbAxis::Lemma: return "l'infinito";
    case VerbAxis::Mood: return "il modo";
    case VerbAxis::Tense: return "il tempo";
    case VerbAxis::Person: return "la persona";
    case VerbAxis::Number: return "il numero";
    case VerbAxis::Form: return "la forma";
    case VerbAxis::Transitivity: return "transitivo o intransitivo";
    }
    return "";
}

constexpr std::string_view kVerbWordsHelp =
    " non è una caratteristica del verbo (l'infinito, come «preparare»; il modo: ind, cong, cond, imper, inf, "
    "part, ger; il tempo, come «presente» o «passato-prossimo»; la persona: 1, 2, 3; il numero: s, p; "
    "la forma: att, pass, rifl; tr o intr)";

std::string quoted(std::string_view s) { return "«" + std::string(s) + "»"; }

// --- one line -------------------------------------------------------------------

// A piece of the line with its byte offset, for the column of a message.
struct Piece {
    std::string_view text;
    std::size_t offset;
};

// Splits at `sep`, keeping each piece's offset within `whole`.
std::vector<Piece> split(std::string_view whole, std::size_t base, char sep)
{
    std::vector<Piece> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= whole.size(); ++i)
        if (i == whole.size() || whole[i] == sep) {
            out.push_back({whole.substr(start, i - start), base + start});
            start = i + 1;
        }
    return out;
}

// The words of an analysis: runs of characters that are neither blanks nor
// dots, so "art. det." and "art.det." read alike.
std::vector<Piece> words(std::string_view analysis, std::size_t base)
{
    std::vector<Piece> out;
    std::size_t i = 0;
    while (i < analysis.size()) {
        if (isSpace(analysis[i]) || analysis[i] == '.') {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < analysis.size() && !isSpace(analysis[j]) && analysis[j] != '.')
            ++j;
        out.push_back({analysis.substr(i, j - i), base + i});
        i = j;
    }
    return out;
}

std::string_view axisName(Axis a)
{
    switch (a) {
    case Axis::Kind: return "il tipo di articolo";
    case Axis::Gender: return "il genere";
    case Axis::Number: return "il numero";
    }
    return "";
}

// Reads "code features..." into `unit`; on a problem returns it with the
// byte offset of the word at fault.
struct Fault {
    std::size_t offset;
    std::string text;
};

// A word that names the kind, degree or person of other parts of speech
// than `code`'s: which ones, so that the teacher sees the mix-up.
std::optional<Fault> kindOfAnother(const Piece &w, int code)
{
    const std::string lowered = lowerAscii(w.text);
    if (const std::string parts = partsNamedBy(lowered); !parts.empty())
        return Fault{w.offset,
                     quoted(w.text) + " indica un tipo di " + parts + ", non di " + std::string(partName(code))};
    if (const std::optional<KindWord> d = kindWord(3, lowered); d && d->axis == KindAxis::Degree)
        return Fault{w.offset, quoted(w.text) + ": il grado (positivo, comparativo, superlativo) si indica solo per "
                                                "l'aggettivo qualificativo"};
    if (const std::optional<KindWord> p = kindWord(4, lowered); p && p->axis == KindAxis::Person && code != 5)
        return Fault{w.offset, quoted(w.text) + ": la persona si indica solo per il verbo e per il pronome personale"};
    return std::nullopt;
}

// The words after "verbo": in any order, each axis once; then the tense must
// be one of the mood's, and person and number need a finite mood.
std::optional<Fault> readVerbAnalysis(const std::vector<Piece> &ws, Unit &unit)
{
    std::array<const Piece *, 7> seen{};  // the word that set each axis
    Features &f = unit.features;
    for (std::size_t i = 1; i < ws.size(); ++i) {
        const Piece &w = ws[i];
        std::optional<VerbWord> v = verbWord(w.text);
        if (!v) {
            const std::optional<FeatureWord> fw = featureWord(w.text);
            if (fw && fw->axis == Axis::Number)
                v = VerbWord{w.text, VerbAxis::Number, fw->value};
            else if (fw)
                return Fault{w.offset, quoted(w.text) + ": genere e numero si indicano solo per articolo, nome, "
                                                        "aggettivo e pronome"};
            else if (partOfSpeech(w.text))
                return Fault{w.offset, "una sola parte del discorso per parte: " + quoted(w.text) + " è di troppo"};
            else if (const std::optional<Fault> k = kindOfAnother(w, unit.code))
                return k;
            else
                return Fault{w.offset, quoted(w.text) + std::string(kVerbWordsHelp)};
        }
        const Piece *&before = seen[std::size_t(v->axis)];
        if (before) {
            const bool same = v->axis == VerbAxis::Lemma ? lowerAscii(before->text) == lowerAscii(w.text)
                                                         : verbWordValue(before->text, v->axis) == v->value;
            return Fault{w.offset, same ? quoted(w.text) + " ripete " + std::string(verbAxisName(v->axis))
                                        : quoted(w.text) + " contraddice " + quoted(before->text)};
        }
        before = &w;
        switch (v->axis) {
        case VerbAxis::Lemma: f.lemma = lowerAscii(w.text); break;
        case VerbAxis::Mood: f.mood = Mood(v->value); break;
        case VerbAxis::Tense: f.tense = Tense(v->value); break;
        case VerbAxis::Person: f.person = Person(v->value); break;
        case VerbAxis::Number: f.verbNumber = Number(v->value); break;
        case VerbAxis::Form: f.form = VerbForm(v->value); break;
        case VerbAxis::Transitivity: f.transitivity = Transitivity(v->value); break;
        }
    }
    if (const Piece *t = seen[std::size_t(VerbAxis::Tense)]) {
        if (f.mood == Mood::Unset)
            return Fault{t->offset, quoted(t->text) + ": il tempo si indica insieme al modo (per esempio «ind "
                                                      + std::string(t->text) + "»)"};
        if (!featuresFit(unit.code, Features{.mood = f.mood, .tense = f.tense}))
            return Fault{t->offset, quoted(t->text) + " non è un tempo del modo "
                                        + quoted(seen[std::size_t(VerbAxis::Mood)]->text)};
    }
    if (!isFinite(f.mood) && f.mood != Mood::Unset)
        for (VerbAxis a : {VerbAxis::Person, VerbAxis::Number})
            if (const Piece *p = seen[std::size_t(a)])
                return Fault{p->offset, quoted(p->text) + ": persona e numero si indicano solo per i modi "
                                                          "indicativo, congiuntivo, condizionale e imperativo"};
    return std::nullopt;
}

std::optional<Fault> readAnalysis(const std::vector<Piece> &ws, Unit &unit)
{
    const std::optional<int> code = partOfSpeech(ws[0].text);
    if (!code)
        return Fault{ws[0].offset, quoted(ws[0].text) + " non è una parte del discorso"};
    unit.code = *code;
    if (takesVerbValues(unit.code))
        return readVerbAnalysis(ws, unit);
    std::array<std::string_view, 3> seen{};  // the word that set each axis
    std::array<std::optional<KindWord>, 3> seenKind{};  // the kind, degree and person words
    std::array<const Piece *, 3> kindPiece{};
    for (std::size_t i = 1; i < ws.size(); ++i) {
        const Piece &w = ws[i];
        // The part's own kind words first: "art" after "prep" is articolata.
        if (const std::optional<KindWord> k = kindWord(unit.code, lowerAscii(w.text))) {
            std::optional<KindWord> &before = seenKind[std::size_t(k->axis)];
            if (before) {
                const std::string_view first = kindPiece[std::size_t(k->axis)]->text;
                return Fault{w.offset, before->value == k->value
                                           ? quoted(w.text) + " ripete " + std::string(kindAxisName(k->axis))
                                           : quoted(w.text) + " contraddice " + quoted(first)};
            }
            before = k;
            kindPiece[std::size_t(k->axis)] = &w;
            setKind(unit.features, *k);
            continue;
        }
        const std::optional<FeatureWord> f = featureWord(w.text);
        if (!f) {
            if (partOfSpeech(w.text))
                return Fault{w.offset, "una sola parte del discorso per parte: " + quoted(w.text) + " è di troppo"};
            if (const std::optional<Fault> k = kindOfAnother(w, unit.code))
                return k;
            if (const std::optional<VerbWord> v = verbWord(w.text); v && v->axis != VerbAxis::Lemma)
                return Fault{w.offset, quoted(w.text) + ": modo, tempo, persona, forma e transitività si indicano "
                                                        "solo per il verbo"};
            if (unit.code >= 6)
                return Fault{w.offset, quoted(w.text) + " non è un tipo di " + std::string(partName(unit.code)) + " ("
                                           + kindWordsHelp(unit.code) + ")"};
            return Fault{w.offset, quoted(w.text)
                                       + " non è una caratteristica (determinativo, indeterminativo, partitivo, "
                                         "maschile, femminile, singolare, plurale)"};
        }
        if (f->axis == Axis::Kind && !takesArticleKind(unit.code))
            return Fault{w.offset, quoted(w.text) + ": il tipo (determinativo, indeterminativo, partitivo) "
                                                    "si indica solo per l'articolo"};
        if (f->axis != Axis::Kind && !takesGenderAndNumber(unit.code))
            return Fault{w.offset, quoted(w.text) + ": genere e numero si indicano solo per articolo, nome, "
                                                    "aggettivo e pronome"};
        std::string_view &before = seen[std::size_t(f->axis)];
        if (!before.empty()) {
            const bool same = featureWord(before)->value == f->value;
            return Fault{w.offset, same ? quoted(w.text) + " ripete " + std::string(axisName(f->axis))
                                        : quoted(w.text) + " contraddice " + quoted(before)};
        }
        before = w.text;
        switch (f->axis) {
        case Axis::Kind: unit.features.kind = ArticleKind(f->value); break;
        case Axis::Gender: unit.features.gender = Gender(f->value); break;
        case Axis::Number: unit.features.number = Number(f->value); break;
        }
    }
    const Features &k = unit.features;
    const Piece *d = kindPiece[std::size_t(KindAxis::Degree)];
    if (d && k.adjectiveKind != AdjectiveKind::Qualificativo)
        return Fault{d->offset, quoted(d->text) + ": il grado (positivo, comparativo, superlativo) si indica solo per "
                                                  "l'aggettivo qualificativo («qual»)"};
    if (const Piece *p = kindPiece[std::size_t(KindAxis::Person)]; p && k.pronounKind != PronounKind::Personale)
        return Fault{p->offset, quoted(p->text) + ": la persona si indica solo per il pronome personale («pers»)"};
    return std::nullopt;
}

// `position` is the unit's place in the sentence, 1..22: its row of the word
// column, narrower further down.
std::optional<std::string> textProblem(std::string_view text, int position)
{
    if (text.empty())
        return "manca il testo prima di «=»";
    if (!fitsWordRow(text, position))
        return quoted(text) + " è troppo lungo per stare al posto " + std::to_string(position)
               + " della colonna delle parole: accorcialo o dividilo in due parti";
    return std::nullopt;
}

std::string tooManyUnits(std::size_t n)
{
    return "la frase ha " + std::to_string(n) + " parti, al massimo " + std::to_string(kMaxUnits);
}

bool isOnlyThese(std::string_view line)
{
    // Any case, any blanks between and around the words.
    std::string spaced(line);
    std::replace(spaced.begin(), spaced.end(), '\t', ' ');
    std::string canonical;
    for (const Piece &w : split(spaced, 0, ' ')) {
        const std::string_view word = trim(w.text);
        if (!word.empty())
            canonical += (canonical.empty() ? "" : " ") + lowerAscii(word);
    }
    return canonical == kOnlyTheseLine;
}

// `offset` is a byte offset in `measured`: the line itself, or the line
// with its odd spaces made plain (the same characters, so the same column).
Line invalid(std::string_view raw, std::string_view measured, int lineNumber, std::size_t offset, std::string text)
{
    Line l;
    l.kind = Line::Kind::Invalid;
    l.raw = std::string(raw);
    l.problem = {lineNumber, int(utf8::codePoints(measured.substr(0, std::min(offset, measured.size()))).size()) + 1,
                 std::move(text)};
    return l;
}

// Where a byte lies in a text: 1-based line (LF, CRLF or a lone CR ends a
// line) and column in characters.
Message positionOf(std::string_view text, std::size_t offset, std::string message)
{
    int line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < offset; ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
            ++line;
            lineStart = i + 1;
        }
    return {line, int(utf8::codePoints(text.substr(lineStart, offset - lineStart)).size()) + 1, std::move(message)};
}

}  // namespace

Line parseLine(std::string_view raw, int lineNumber)
{
    if (raw.size() > kMaxLineBytes)
        return invalid(raw, raw, lineNumber, 0, "riga troppo lunga: " + std::to_string(raw.size())
                                               + " byte, al massimo " + std::to_string(kMaxLineBytes));
    if (const std::optional<std::size_t> bad = utf8::firstInvalid(raw))
        return invalid(raw, raw, lineNumber, *bad,
                       "testo non in UTF-8 (forse il file è salvato in un'altra codifica: salvalo in UTF-8)");
    if (const std::optional<std::size_t> c = utf8::firstControl(raw))
        return invalid(raw, raw, lineNumber, *c, "carattere di controllo non ammesso (dati binari?)");

    Line line;
    line.raw = std::string(raw);
    // A tab or a line separator inside a text would be drawn as a jump or a
    // break in the word column; a no-break space beside "=" would look like
    // part of a word: all are read as plain spaces.
    const std::string spacedLine = plainSpaces(raw);
    const std::string_view spaced = spacedLine;
    const std::string_view body = trim(spaced);
    if (body.empty())
        return line;  // Blank
    if (body.front() == '#') {
        line.kind = Line::Kind::Comment;
        return line;
    }
    if (body.front() == '@' && body.find('=') == std::string_view::npos) {
        if (isOnlyThese(body)) {
            line.kind = Line::Kind::OnlyThese;
            return line;
        }
        const std::vector<Piece> ws = words(body, std::size_t(body.data() - spaced.data()));
        if (lowerAscii(ws.front().text) == kQuestionsCommand) {
            if (ws.size() == 1)
                return invalid(raw, spaced, lineNumber, ws.front().offset,
                               "«@domande» senza domande: scrivi quali chiedere (" + questionKeywords() + ")");
            line.kind = Line::Kind::Questions;
            for (std::size_t i = 1; i < ws.size(); ++i) {
                const QuestionSet named = questionsNamed(lowerAscii(ws[i].text));
                if (!named)
                    return invalid(raw, spaced, lineNumber, ws[i].offset,
                                   quoted(ws[i].text) + " non è una domanda (" + questionKeywords() + ")");
                line.questions |= named;
            }
            return line;
        }
        return invalid(raw, spaced, lineNumber, std::size_t(body.data() - spaced.data()),
                       quoted(body) + " non è un comando: i comandi sono «" + std::string(kOnlyTheseLine)
                           + "» e «@domande …»");
    }

    const std::vector<Piece> pieces = split(spaced, 0, '|');
    if (pieces.size() > std::size_t(kMaxUnits))
        return invalid(raw, spaced, lineNumber, pieces[kMaxUnits].offset, tooManyUnits(pieces.size()));
    for (const Piece &p : pieces) {
        const std::string_view unitText = trim(p.text);
        const std::size_t unitStart = p.offset + std::size_t(unitText.data() - p.text.data());
        if (unitText.empty())
            return invalid(raw, spaced, lineNumber, p.offset, "parte vuota: tra due «|» manca «testo = analisi»");
        const std::vector<Piece> sides = split(p.text, p.offset, '=');
        if (sides.size() == 1)
            return invalid(raw, spaced, lineNumber, unitStart, quoted(unitText) + ": manca «=» tra il testo e l'analisi");
        if (sides.size() > 2)
            return invalid(raw, spaced, lineNumber, sides[2].offset - 1,
                           "«=» compare due volte: il testo non può contenere «=» o «|»");
        Unit unit;
        const std::string_view text = trim(sides[0].text);
        if (const std::optional<std::string> problem = textProblem(text, int(line.units.size()) + 1))
            return invalid(raw, spaced, lineNumber,
                           text.empty() ? sides[1].offset - 1 : unitStart, *problem);
        unit.text = std::string(text);
        const std::vector<Piece> ws = words(sides[1].text, sides[1].offset);
        if (ws.empty())
            return invalid(raw, spaced, lineNumber, sides[1].offset - 1, "manca l'analisi dopo «=»");
        if (const std::optional<Fault> f = readAnalysis(ws, unit))
            return invalid(raw, spaced, lineNumber, f->offset, f->text);
        line.units.push_back(std::move(unit));
    }
    line.kind = Line::Kind::Sentence;
    return line;
}

File parseFile(std::string_view bytes)
{
    File file;
    const DecodedText decoded = decodeText(bytes);
    if (!decoded.problem.empty())
        file.messages.push_back({0, 0, decoded.problem});
    bytes = decoded.utf8;
    if (const std::size_t nul = bytes.find('\0'); nul != std::string_view::npos) {
        if (!decoded.fromUtf16 && looksLikeUtf16(bytes))
            file.messages.push_back({0, 0, "il file sembra salvato in UTF-16 («Unicode») senza l'indicazione della "
                                           "codifica: salvalo di nuovo scegliendo la codifica UTF-8; è stato ignorato"});
        else
            file.messages.push_back(positionOf(bytes, nul, "il file contiene dati binari, non testo: è stato ignorato"));
        return file;
    }
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (bytes.starts_with(kBom))
        bytes.remove_prefix(kBom.size());

    int number = 0;
    bool anySentence = false, anyInvalid = false;
    std::size_t start = 0;
    while (start < bytes.size()) {
        if (number == kMaxLines) {
            file.messages.push_back({number + 1, 0, "il file ha più di " + std::to_string(kMaxLines)
                                                        + " righe: le righe seguenti sono ignorate"});
            break;
        }
        // LF, CRLF, or a lone CR (old Mac files) end a line.
        std::size_t end = bytes.find_first_of("\r\n", start);
        std::size_t next;
        if (end == std::string_view::npos)
            end = next = bytes.size();
        else
            next = end + (bytes.substr(end).starts_with("\r\n") ? 2 : 1);
        const std::string_view raw = bytes.substr(start, end - start);
        Line line = parseLine(raw, ++number);
        anySentence |= line.kind == Line::Kind::Sentence;
        anyInvalid |= line.kind == Line::Kind::Invalid;
        file.onlyThese |= line.kind == Line::Kind::OnlyThese;
        if (line.kind == Line::Kind::Questions)
            file.questions = (file.questions == kAllQuestions ? 0 : file.questions) | line.questions;
        file.lines.push_back(std::move(line));
        start = next;
    }
    if (!anySentence && !anyInvalid)
        file.messages.push_back({0, 0, "il file non contiene frasi"});
    for (const Line &l : file.lines)
        if (l.kind == Line::Kind::Invalid)
            file.messages.push_back(l.problem);
    return file;
}

std::vector<Message> checkUnits(const std::vector<Unit> &units)
{
    std::vector<Message> out;
    if (units.empty())
        out.push_back({0, 0, "la frase non ha parti"});
    if (units.size() > std::size_t(kMaxUnits))
        out.push_back({0, 0, tooManyUnits(units.size())});
    for (std::size_t i = 0; i < units.size(); ++i) {
        const Unit &u = units[i];
        const std::string where = "parte " + std::to_string(i + 1) + ": ";
        if (utf8::firstInvalid(u.text) || utf8::firstControl(u.text))
            out.push_back({0, 0, where + "il testo contiene caratteri non ammessi"});
        else if (u.text != trim(u.text))
            out.push_back({0, 0, where + "il testo comincia o finisce con spazi"});
        else if (u.text.find_first_of("|=") != std::string::npos)
            out.push_back({0, 0, where + "il testo non può contenere «|» o «=»"});
        else if (const std::optional<std::string> p = textProblem(u.text, int(std::min<std::size_t>(i + 1, kMaxUnits))))
            out.push_back({0, 0, where + *p});
        if (u.code < 1 || u.code > 9)
            out.push_back({0, 0, where + "manca la parte del discorso"});
        else if (!featuresFit(u.code, u.features))
            out.push_back({0, 0, where + "le caratteristiche non si addicono a " + abbreviation(u.code)});
    }
    return out;
}

std::string abbreviation(int code)
{
    return code >= 1 && code <= 9 ? std::string(kAbbreviations[std::size_t(code)]) : std::string();
}

std::string featureWords(int, const Features &f)
{
    std::string out;
    auto add = [&out](std::string_view w) { out += (out.empty() ? "" : " ") + std::string(w); };
    if (f.hasVerbValues()) {
        // infinitive, mood, tense, person, number, form, transitivity
        if (!f.lemma.empty())
            add(f.lemma);
        if (f.mood != Mood::Unset)
            add(verbSpelling(VerbAxis::Mood, int(f.mood)));
        if (f.tense != Tense::Unset)
            add(verbSpelling(VerbAxis::Tense, int(f.tense)));
        if (f.person != Person::Unset)
            add(verbSpelling(VerbAxis::Person, int(f.person)));
        if (f.verbNumber != Number::Unset)
            add(f.verbNumber == Number::Singolare ? "s" : "p");
        if (f.form != VerbForm::Unset)
            add(verbSpelling(VerbAxis::Form, int(f.form)));
        if (f.transitivity != Transitivity::Unset)
            add(verbSpelling(VerbAxis::Transitivity, int(f.transitivity)));
        return out;
    }
    if (const std::string k = kindWords(f); !k.empty())
        add(k);
    switch (f.kind) {
    case ArticleKind::Determinativo: add("det"); break;
    case ArticleKind::Indeterminativo: add("indet"); break;
    case ArticleKind::Partitivo: add("part"); break;
    case ArticleKind::Unset: break;
    }
    if (f.gender != Gender::Unset)
        add(f.gender == Gender::Maschile ? "m" : "f");
    if (f.number != Number::Unset)
        add(f.number == Number::Singolare ? "s" : "p");
    return out;
}

std::string writeLine(const std::vector<Unit> &units)
{
    std::string out;
    for (const Unit &u : units) {
        if (!out.empty())
            out += " | ";
        out += u.text + " = " + abbreviation(u.code);
        const std::string f = featureWords(u.code, u.features);
        if (!f.empty())
            out += " " + f;
    }
    return out;
}

std::string describe(std::string_view fileName, const Message &message)
{
    std::string out = visibleName(fileName);
    if (message.line > 0)
        out += ", riga " + std::to_string(message.line);
    if (message.line > 0 && message.column > 0)
        out += ", colonna " + std::to_string(message.column);
    return out + ": " + message.text;
}

}  // namespace engine::collection
