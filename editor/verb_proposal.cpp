#include "verb_proposal.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <set>
#include <string>

#include "unit_rules.h"
#include "word_lexicon.h"

namespace editor {

using engine::Features;
using engine::Mood;
using engine::Number;
using engine::Person;
using engine::Tense;
using engine::Transitivity;
using engine::VerbForm;

namespace {

bool isVerbReading(const Reading &r)
{
    return r.has("vblex") || r.has("vbser") || r.has("vbhaver") || r.has("vbmod");
}

struct MoodTense {
    Mood mood = Mood::Unset;
    Tense tense = Tense::Unset;
};

// The analyser's mood and tense tags.
MoodTense simpleTense(const Reading &r)
{
    struct Tag {
        const char *tag;
        Mood mood;
        Tense tense;
    };
    static constexpr std::array<Tag, 12> tags = {{
        {"pri", Mood::Indicativo, Tense::Presente}, {"pii", Mood::Indicativo, Tense::Imperfetto},
        {"ifi", Mood::Indicativo, Tense::PassatoRemoto}, {"fti", Mood::Indicativo, Tense::FuturoSemplice},
        {"prs", Mood::Congiuntivo, Tense::Presente}, {"pis", Mood::Congiuntivo, Tense::Imperfetto},
        {"cni", Mood::Condizionale, Tense::Presente}, {"imp", Mood::Imperativo, Tense::Presente},
        {"inf", Mood::Infinito, Tense::Presente}, {"ger", Mood::Gerundio, Tense::Presente},
        {"pp", Mood::Participio, Tense::Passato}, {"pprs", Mood::Participio, Tense::Presente},
    }};
    for (const Tag &t : tags)
        if (r.has(t.tag))
            return {t.mood, t.tense};
    return {};
}

// The compound tense an auxiliary in this simple tense makes.
Tense compoundOf(MoodTense aux)
{
    switch (aux.mood) {
    case Mood::Indicativo:
        switch (aux.tense) {
        case Tense::Presente: return Tense::PassatoProssimo;
        case Tense::Imperfetto: return Tense::TrapassatoProssimo;
        case Tense::PassatoRemoto: return Tense::TrapassatoRemoto;
        case Tense::FuturoSemplice: return Tense::FuturoAnteriore;
        default: return Tense::Unset;
        }
    case Mood::Congiuntivo:
        return aux.tense == Tense::Presente ? Tense::Passato : Tense::Trapassato;
    case Mood::Condizionale:
    case Mood::Infinito:
    case Mood::Gerundio:
    case Mood::Participio:
        return Tense::Passato;
    default:
        return Tense::Unset;
    }
}

Person personOf(const Reading &r)
{
    return r.has("p1") ? Person::Prima : r.has("p2") ? Person::Seconda : r.has("p3") ? Person::Terza : Person::Unset;
}
Number numberOf(const Reading &r)
{
    return r.has("sg") ? Number::Singolare : r.has("pl") ? Number::Plurale : Number::Unset;
}

bool isParticle(std::string_view w)
{
    static const std::set<std::string_view> particles = {"mi", "ti", "si", "ci", "vi", "me", "te",
                                                         "se", "ce", "ve", "ne", "m'", "t'", "s'", "c'", "v'"};
    return particles.count(w) > 0;
}

bool isObjectPronoun(std::string_view w)
{
    static const std::set<std::string_view> forms = {"lo", "la", "li", "le", "l'", "mi", "ti", "ci", "vi", "ne",
                                                     "me", "te", "ce", "ve", "m'", "t'", "c'", "v'"};
    return forms.count(w) > 0;
}

bool endsClause(std::string_view text)
{
    return text.find_first_of(".,;:!?") != std::string_view::npos;
}

bool isInfinitiveUnit(const ProposedUnit &u)
{
    return u.unit.code == 5 && u.unit.features.mood == Mood::Infinito;
}

// Is there an object of the verb units[at] in the sentence: an object
// pronoun just before it; a relative "che" before it that cannot be its
// subject ("la festa che avevamo preparato", "che nessuno suona"); or after
// it, past adverbs and phrases led by a preposition, an article, a noun, an
// adjective, a pronoun, "che" or "se" opening the clause said or asked, or
// "di" with an infinitive ("ha deciso di chiudere").
bool hasObject(const std::vector<ProposedUnit> &units, std::size_t at, Person person)
{
    if (at > 0 && units[at - 1].unit.code == 4 && isObjectPronoun(bareLower(units[at - 1].unit.text)))
        return true;
    for (std::size_t k = at; k-- > 0;) {
        const ProposedUnit &u = units[k];
        if (endsClause(u.unit.text) || u.unit.code == 5 || u.unit.code == 8)
            break;
        if (u.unit.code == 4 && bareLower(u.unit.text) == "che") {
            bool subjectBetween = false;
            for (std::size_t j = k + 1; j < at; ++j)
                subjectBetween = subjectBetween || units[j].unit.code == 2
                                 || (units[j].unit.code == 4 && !isObjectPronoun(bareLower(units[j].unit.text)));
            if (subjectBetween || person == Person::Prima || person == Person::Seconda)
                return true;
            break;
        }
    }
    if (endsClause(units[at].unit.text))
        return false;
    bool inPhrase = false;  // after a preposition, until its noun
    for (std::size_t k = at + 1; k < units.size(); ++k) {
        const ProposedUnit &u = units[k];
        const int code = u.unit.code;
        const std::string w = bareLower(u.unit.text);
        if (code == 7) {
            if ((w == "di" || w == "d'") && k + 1 < units.size() && isInfinitiveUnit(units[k + 1]))
                return true;
            inPhrase = true;
        } else if (inPhrase) {
            if (code == 2 || code == 4)
                inPhrase = false;
            else if (code != 1 && code != 3)
                return false;
        } else if (code == 1 || code == 2 || code == 3 || code == 4) {
            return true;
        } else if (code == 8) {
            return w == "che" || w == "se";
        } else if (code != 6) {
            return false;
        }
        if (endsClause(u.unit.text))
            return false;
    }
    return false;
}

// A subject pronoun before the verb in its clause ("tu mi presti"): its
// person and number, to choose among the verb's readings.
bool subjectBefore(const std::vector<ProposedUnit> &units, std::size_t at, Person *person, Number *number)
{
    static const std::map<std::string, std::pair<Person, Number>, std::less<>> subjects = {
        {"io", {Person::Prima, Number::Singolare}}, {"tu", {Person::Seconda, Number::Singolare}},
        {"noi", {Person::Prima, Number::Plurale}}, {"voi", {Person::Seconda, Number::Plurale}},
        {"lui", {Person::Terza, Number::Singolare}}, {"lei", {Person::Terza, Number::Singolare}},
        {"egli", {Person::Terza, Number::Singolare}}, {"essi", {Person::Terza, Number::Plurale}}};
    for (std::size_t k = at; k-- > 0;) {
        const ProposedUnit &u = units[k];
        if (u.unit.code != 4 && u.unit.code != 6)
            return false;
        if (const auto it = subjects.find(bareLower(u.unit.text)); it != subjects.end()) {
            *person = it->second.first;
            *number = it->second.second;
            return true;
        }
        if (endsClause(u.unit.text))
            return false;
    }
    return false;
}

// The first word of the sentence, or the first after a comma or a "non".
bool opensClause(const std::vector<ProposedUnit> &units, std::size_t at)
{
    std::size_t k = at;
    if (k > 0 && bareLower(units[k - 1].unit.text) == "non")
        --k;
    return k == 0 || endsClause(units[k - 1].unit.text);
}

bool sentenceAsks(const std::vector<ProposedUnit> &units)
{
    return !units.empty() && units.back().unit.text.find('?') != std::string::npos;
}

// Verbs mostly without an object that a sentence can give one ("suona la
// campana", "correre una gara", "vivere una vita").
bool takesObjectSometimes(std::string_view v)
{
    static const std::set<std::string_view> verbs = {"suonare", "correre", "vivere", "saltare", "ballare",
                                                     "sbagliare", "giocare", "crescere", "salire", "scendere",
                                                     "volare", "sognare", "passare", "cambiare"};
    return verbs.count(v) > 0;
}

}  // namespace

bool isIntransitiveVerb(std::string_view v)
{
    // Verbs of being, moving, happening and of the weather, and everyday
    // verbs of activity that take no object.
    static const std::set<std::string_view> verbs = {
        "essere", "stare", "andare", "venire", "arrivare", "partire", "uscire", "entrare", "tornare", "ritornare",
        "cadere", "restare", "rimanere", "nascere", "morire", "diventare", "divenire", "sembrare", "parere",
        "apparire", "scomparire", "sparire", "giungere", "fuggire", "scappare", "accadere", "succedere",
        "capitare", "avvenire", "piacere", "dispiacere", "bastare", "mancare", "costare", "durare", "esistere",
        "riuscire", "sorgere", "tramontare", "guarire", "arrossire", "impallidire", "dimagrire", "ingrassare",
        "invecchiare", "esplodere", "scoppiare", "atterrare", "decollare", "dipendere", "camminare", "dormire",
        "giocare", "parlare", "ridere", "sorridere", "piangere", "viaggiare", "nuotare", "passeggiare",
        "lavorare", "abitare", "telefonare", "ubbidire", "obbedire", "piovere", "nevicare", "grandinare",
        "tuonare", "litigare", "sciare", "volare", "correre", "saltare", "ballare", "cenare", "pranzare",
        "funzionare", "riposare", "tremare", "brillare", "splendere", "sbagliare", "galleggiare", "emigrare",
        "crescere", "salire", "scendere", "vivere", "correre", "sedere", "giacere", "consistere", "appartenere",
        "somigliare", "assomigliare", "nuocere", "bussare", "abbaiare", "miagolare", "cinguettare", "squillare",
        "suonare", "tardare", "penetrare", "agire", "reagire", "esitare", "insistere", "persistere", "resistere",
        "sospirare", "rispondere", "starnutire", "sbadigliare", "russare", "tossire", "gareggiare", "partecipare",
        "mentire", "ubbidire", "navigare", "pattinare", "nuotare", "sostare", "indugiare", "rinunciare",
    };
    return verbs.count(v) > 0;
}

bool takesEssere(std::string_view v)
{
    // The verbs whose active compound tenses take essere: a participle of
    // theirs after essere is no passive ("è caduto", "è suonata").
    static const std::set<std::string_view> verbs = {
        "essere", "stare", "andare", "venire", "arrivare", "partire", "uscire", "entrare", "tornare", "ritornare",
        "cadere", "restare", "rimanere", "nascere", "morire", "diventare", "divenire", "sembrare", "parere",
        "apparire", "scomparire", "sparire", "giungere", "fuggire", "scappare", "accadere", "succedere",
        "capitare", "avvenire", "piacere", "dispiacere", "bastare", "mancare", "costare", "durare", "esistere",
        "riuscire", "sorgere", "tramontare", "guarire", "arrossire", "impallidire", "dimagrire", "ingrassare",
        "invecchiare", "esplodere", "scoppiare", "crescere", "salire", "scendere", "suonare", "squillare",
        "cominciare", "iniziare", "finire", "terminare", "passare", "cambiare", "migliorare", "peggiorare",
        "aumentare", "diminuire", "bruciare", "affondare", "annegare", "emigrare", "evadere", "sfuggire",
        "ricorrere", "accorrere", "sopravvivere", "vivere", "piovere", "nevicare", "servire", "dipendere",
    };
    return verbs.count(v) > 0;
}

std::string pronominalInfinitive(std::string_view infinitive, bool withNe)
{
    std::string v(infinitive);
    if (v.size() > 3 && v.compare(v.size() - 3, 3, "rre") == 0)
        v.resize(v.size() - 2);  // porre -> por-si
    else if (v.size() > 2 && v.back() == 'e')
        v.pop_back();
    else
        return v;
    return v + (withNe ? "sene" : "si");
}

ValueProposal proposeVerbValues(const std::vector<ProposedUnit> &units, const std::vector<UnitWords> &words,
                                std::size_t at)
{
    ValueProposal out;
    if (at >= units.size() || at >= words.size())
        return out;
    const UnitWords &ws = words[at];
    // The particles before the verb, then the verb words in order.
    bool particle = false, ne = false;
    std::vector<const UnitWord *> chain;
    for (const UnitWord &w : ws) {
        if (chain.empty() && isParticle(w.lower) && !isVerbReading(w.reading)) {
            particle = true;
            ne = ne || w.lower == "ne";
            continue;
        }
        if (isVerbReading(w.reading))
            chain.push_back(&w);
        else if (!chain.empty() && isParticle(w.lower))
            particle = true;  // written onto the verb: "trattenermi", "scoraggiatevi"
    }
    if (chain.empty()) {
        out.doubt = true;
        return out;
    }
    Features &f = out.features;
    // A modal or phrasal verb with its infinitive: the infinitive gives the
    // verb, the rest the tense.
    const UnitWord *lexical = chain.back();
    if (chain.size() > 1 && lexical->reading.has("inf"))
        chain.pop_back();
    const MoodTense first = simpleTense(chain.front()->reading);
    std::size_t participles = 0;
    for (std::size_t k = 1; k < chain.size(); ++k)
        participles += chain[k]->reading.has("pp") ? 1 : 0;
    const std::string &aux = chain.front()->reading.lemma;
    const std::string &verb = lexical->reading.lemma;
    const bool auxiliary = participles > 0 && (aux == "avere" || aux == "essere" || aux == "venire");
    f.mood = first.mood;
    f.tense = first.tense;
    bool passive = false;
    if (auxiliary) {
        // essere + participle of a verb that goes with avere, or venire +
        // participle: a passive in the auxiliary's tense; "è stata
        // preparata" (two participles) a passive in its compound tense.
        const std::string &participleVerb = chain.back()->reading.lemma;
        passive = !particle
                  && ((aux == "venire" && participles == 1)
                      || (aux == "essere" && !takesEssere(participleVerb) && !isModal(participleVerb)));
        const std::size_t tenseSteps = passive ? participles - 1 : participles;
        if (tenseSteps > 0) {
            const Tense compound = compoundOf(first);
            if (compound != Tense::Unset)
                f.tense = compound;
        }
        // A participle in doubt between essere and avere ("è finito"):
        // both readings exist, so the teacher should look.
        out.doubt = out.doubt || (aux == "essere" && takesEssere(participleVerb) && !isIntransitiveVerb(participleVerb));
    }
    if (engine::isFinite(f.mood)) {
        f.person = personOf(chain.front()->reading);
        f.verbNumber = numberOf(chain.front()->reading);
        // A subject pronoun chooses among the readings of a form shared by
        // several persons ("che tu mi presti").
        Person p = Person::Unset;
        Number n = Number::Unset;
        if (subjectBefore(units, at, &p, &n) && (p != f.person || n != f.verbNumber)) {
            const Reading *best = nullptr;
            for (const Reading &r : chain.front()->others)
                if (isVerbReading(r) && personOf(r) == p && numberOf(r) == n
                    && (!best || (simpleTense(r).mood == first.mood && simpleTense(*best).mood != first.mood)))
                    best = &r;
            if (best) {
                const MoodTense mt = simpleTense(*best);
                f.mood = mt.mood;
                f.tense = participles > 0 ? compoundOf(mt) : mt.tense;
                f.person = p;
                f.verbNumber = n;
            }
        }
    }
    // A second person present opening its clause, with no question: an
    // order ("Chiudete la porta"); "non" with an infinitive the negative one
    // ("Non toccare!").
    const bool order = opensClause(units, at) && !sentenceAsks(units) && chain.size() == 1 && participles == 0;
    if (order && f.mood == Mood::Indicativo && f.tense == Tense::Presente && f.person == Person::Seconda) {
        f.mood = Mood::Imperativo;
        out.doubt = true;
    } else if (order && f.mood == Mood::Infinito && at > 0 && bareLower(units[at - 1].unit.text) == "non"
               && (at == 1 || endsClause(units[at - 2].unit.text))) {
        f.mood = Mood::Imperativo;
        f.person = Person::Seconda;
        f.verbNumber = Number::Singolare;
        out.doubt = true;
    } else if (order && f.mood == Mood::Indicativo && f.tense == Tense::Presente && at == 0) {
        // "Mangia la frutta!": the imperative reading when the analyser has one.
        for (const Reading &r : chain.front()->others)
            if (r.has("imp") && units.back().unit.text.find('!') != std::string::npos) {
                f.mood = Mood::Imperativo;
                f.person = personOf(r);
                f.verbNumber = numberOf(r);
                out.doubt = true;
                break;
            }
    }
    if (f.mood == Mood::Imperativo)
        f.tense = Tense::Presente;
    // Another reading of the finite word with other values.
    for (const Reading &r : chain.front()->others)
        if (isVerbReading(r) && r.lemma == chain.front()->reading.lemma) {
            const MoodTense mt = simpleTense(r);
            if (mt.mood != first.mood || mt.tense != first.tense || personOf(r) != personOf(chain.front()->reading))
                out.doubt = true;
        }
    // "stato" after essere is essere's own participle ("fossi stato").
    const std::string lemma = auxiliary && aux == "essere" && verb == "stare" && lexical != chain.front() ? aux : verb;
    f.lemma = particle ? pronominalInfinitive(lemma, ne) : lemma;
    // The analyser's lemma is another program's output: only an infinitive
    // a collection can hold is proposed.
    const bool letters = std::all_of(f.lemma.begin(), f.lemma.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    if (!letters || engine::conjugationOf(f.lemma) == engine::Conjugation::Unset)
        f.lemma.clear();
    if (f.lemma.empty())
        out.doubt = true;
    if (particle) {
        f.form = VerbForm::Riflessiva;
    } else if (passive) {
        f.form = VerbForm::Passiva;
        f.transitivity = Transitivity::Transitivo;
    } else if (chain.size() == 1 && f.mood == Mood::Participio && f.tense == Tense::Passato && !takesEssere(verb)
               && !isIntransitiveVerb(verb)) {
        // A participle standing for a clause ("le vacanze trascorse").
        f.form = VerbForm::Passiva;
        f.transitivity = Transitivity::Transitivo;
    } else {
        f.form = VerbForm::Attiva;
    }
    if (f.form == VerbForm::Attiva) {
        if (isIntransitiveVerb(lemma) && !(takesObjectSometimes(lemma) && hasObject(units, at, f.person)))
            f.transitivity = Transitivity::Intransitivo;
        else if (hasObject(units, at, f.person))
            f.transitivity = Transitivity::Transitivo;
    }
    return out;
}

// A unit's text without the punctuation kept on it, lower case.
std::string bareLower(std::string_view text)
{
    std::string out;
    for (unsigned char c : text)
        if (c >= 0x80 || std::isalnum(c) || c == '\'' || c == ' ')
            out += char(std::tolower(c));
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    while (!out.empty() && out.front() == ' ')
        out.erase(out.begin());
    return out;
}

}  // namespace editor
