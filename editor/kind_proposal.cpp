#include "kind_proposal.h"

#include <cctype>
#include <set>
#include <string>
#include <string_view>

#include "unit_rules.h"

namespace editor {

using namespace engine;

namespace {

using Words = std::set<std::string_view>;

bool in(const Words &list, std::string_view w) { return list.count(w) > 0; }

// The first word's own spelling: "Roma" keeps its capital.
bool startsWithCapital(std::string_view text)
{
    for (unsigned char c : text) {
        if (std::isalpha(c))
            return std::isupper(c);
        if (c >= 0x80)
            return false;
    }
    return false;
}

bool endsSentence(std::string_view text) { return text.find_first_of(".!?:;") != std::string_view::npos; }

bool asks(const std::vector<ProposedUnit> &units, std::size_t from)
{
    for (std::size_t k = from; k < units.size(); ++k) {
        const std::string &t = units[k].unit.text;
        if (t.find('?') != std::string::npos)
            return true;
        if (t.find_first_of(".!") != std::string::npos)
            return false;
    }
    return false;
}
bool exclaims(const std::vector<ProposedUnit> &units, std::size_t from)
{
    for (std::size_t k = from; k < units.size(); ++k) {
        const std::string &t = units[k].unit.text;
        if (t.find('!') != std::string::npos)
            return true;
        if (t.find_first_of(".?") != std::string::npos)
            return false;
    }
    return false;
}

const Words kPossessives = {"mio", "mia", "miei", "mie", "tuo", "tua", "tuoi", "tue", "suo", "sua", "suoi", "sue",
                            "nostro", "nostra", "nostri", "nostre", "vostro", "vostra", "vostri", "vostre", "loro",
                            "proprio", "propria", "propri", "proprie", "altrui"};
const Words kDemonstratives = {"questo", "questa", "questi", "queste", "quello", "quella", "quelli", "quelle",
                               "quel", "quei", "quegli", "quell'", "codesto", "codesta", "codesti", "codeste",
                               "stesso", "stessa", "stessi", "stesse", "medesimo", "medesima", "medesimi",
                               "medesime", "tale", "tali", "ciò", "costui", "costei", "costoro", "colui", "colei",
                               "coloro"};
const Words kIndefinites = {"qualche", "ogni", "alcuno", "alcuna", "alcuni", "alcune", "alcun", "nessuno", "nessuna",
                            "nessun", "molto", "molta", "molti", "molte", "poco", "poca", "pochi", "poche", "tanto",
                            "tanta", "tanti", "tante", "troppo", "troppa", "troppi", "troppe", "tutto", "tutta",
                            "tutti", "tutte", "altro", "altra", "altri", "altre", "certo", "certa", "certi",
                            "certe", "ciascuno", "ciascuna", "ciascun", "parecchio", "parecchia", "parecchi",
                            "parecchie", "vari", "varie", "diversi", "diverse", "qualsiasi", "qualunque",
                            "alquanto", "alquanti", "alquante", "qualcuno", "qualcuna", "qualcosa", "niente",
                            "nulla", "ognuno", "ognuna", "chiunque", "uno", "una", "entrambi", "entrambe"};
const Words kInterrogatives = {"quale", "quali", "quanto", "quanta", "quanti", "quante", "che", "chi",
                               "che cosa", "cosa"};
const Words kNumerals = {"due", "tre", "quattro", "cinque", "sei", "sette", "otto", "nove", "dieci", "undici",
                         "dodici", "tredici", "quattordici", "quindici", "sedici", "diciassette", "diciotto",
                         "diciannove", "venti", "trenta", "quaranta", "cinquanta", "cento", "mille", "primo",
                         "prima", "primi", "prime", "secondo", "seconda", "secondi", "seconde", "terzo", "terza",
                         "terzi", "terze", "quarto", "quarta", "quinto", "quinta", "sesto", "sesta", "ultimo",
                         "ultima", "doppio", "doppia", "triplo", "milione", "mezzo", "mezza"};

// The personal pronouns and their person.
int personalPerson(std::string_view w)
{
    static const Words first = {"io", "me", "mi", "m'", "noi", "ci", "c'", "ce"};
    static const Words second = {"tu", "te", "ti", "t'", "voi", "vi", "v'", "ve"};
    static const Words third = {"lui", "lei", "egli", "ella", "esso", "essa", "essi", "esse", "loro", "sé", "si",
                                "s'", "se", "lo", "la", "li", "le", "l'", "gli", "ne", "glie", "glielo", "gliela",
                                "glieli", "gliele", "gliene"};
    return in(first, w) ? 1 : in(second, w) ? 2 : in(third, w) ? 3 : 0;
}

AdverbKind adverbKindOf(std::string_view w)
{
    static const Words negation = {"non", "no", "neanche", "nemmeno", "neppure", "mica", "affatto", "né"};
    static const Words affirmation = {"sì", "certo", "certamente", "sicuramente", "davvero", "appunto",
                                      "esatto", "esattamente", "proprio", "senz'altro", "sicuro", "infatti",
                                      "indubbiamente", "veramente"};
    static const Words doubt = {"forse", "probabilmente", "magari", "eventualmente", "possibilmente", "chissà",
                                "quasi", "caso"};
    static const Words time = {"ieri", "oggi", "domani", "ora", "adesso", "allora", "poi", "prima", "dopo",
                               "presto", "tardi", "sempre", "mai", "già", "ancora", "spesso", "talvolta",
                               "subito", "intanto", "finora", "stamattina", "stasera", "stanotte", "appena",
                               "ormai", "tuttora", "dopodomani", "l'altroieri", "raramente", "frequentemente",
                               "recentemente", "nuovo", "lungo", "infine", "finalmente", "quando", "poco",
                               "sovente", "tuttavia", "dapprima", "frattempo", "improvvisamente", "immediatamente"};
    static const Words place = {"qui", "qua", "lì", "là", "su", "giù", "sopra", "sotto", "dentro", "fuori",
                                "davanti", "dietro", "vicino", "lontano", "ovunque", "altrove", "dovunque",
                                "intorno", "ci", "vi", "ne", "c'", "v'", "accanto", "laggiù", "lassù", "quaggiù", "quassù",
                                "indietro", "avanti", "dove", "oltre", "attorno", "dappertutto", "sottoterra"};
    static const Words quantity = {"molto", "poco", "tanto", "troppo", "più", "meno", "assai", "abbastanza",
                                   "parecchio", "niente", "nulla", "alquanto", "piuttosto", "tutto",
                                   "altrettanto", "quanto"};
    if (in(negation, w))
        return AdverbKind::Negazione;
    if (in(affirmation, w))
        return AdverbKind::Affermazione;
    if (in(doubt, w))
        return AdverbKind::Dubbio;
    if (in(time, w))
        return AdverbKind::Tempo;
    if (in(place, w))
        return AdverbKind::Luogo;
    if (in(quantity, w))
        return AdverbKind::Quantita;
    return AdverbKind::Unset;
}

const Words kSimplePrepositions = {"di", "a", "da", "in", "con", "su", "per", "tra", "fra", "d'", "ad"};
const Words kArticulated = {
    "del", "dello", "della", "dei", "degli", "delle", "dell'", "al", "allo", "alla", "ai", "agli", "alle",
    "all'", "dal", "dallo", "dalla", "dai", "dagli", "dalle", "dall'", "nel", "nello", "nella", "nei",
    "negli", "nelle", "nell'", "sul", "sullo", "sulla", "sui", "sugli", "sulle", "sull'", "col", "coi",
    "colla", "pel", "pei", "tra i", "fra i"};

const Words kCoordinating = {"e", "ed", "o", "od", "oppure", "ma", "però", "anche", "neanche", "nemmeno",
                             "neppure", "né", "inoltre", "quindi", "perciò", "dunque", "infatti", "cioè", "anzi",
                             "tuttavia", "eppure", "bensì", "sia", "ovvero", "ossia", "pure", "invece",
                             "allora", "altrimenti", "ovvero", "nondimeno"};

const Words kProperExclamations = {"oh", "ah", "ahi", "ahimè", "ohimè", "ehi", "eh", "uffa", "boh", "beh", "mah",
                                   "ohi", "olà", "urrà", "uh", "puah", "bah", "toh", "ahia", "ehm", "uhm", "ih",
                                   "oibò", "ops", "orsù", "suvvia", "ecco"};

// Words of other parts of speech that grammar books list as exclamations.
const Words kImproperExclamations = {"bravo", "brava", "bravi", "brave", "peccato", "accidenti", "coraggio",
                                     "aiuto", "basta", "zitto", "zitta", "zitti", "avanti", "silenzio", "viva",
                                     "evviva", "diamine", "caspita", "ciao", "salve", "grazie", "attenzione",
                                     "pazienza", "forza", "cavolo", "perbacco", "accipicchia", "mannaggia",
                                     "magari", "via", "presto", "fermo", "fermi", "addio", "arrivederci"};

bool anyWord(const UnitWords &ws, const char *tag)
{
    for (const UnitWord &w : ws)
        if (w.reading.has(tag))
            return true;
    return false;
}

ValueProposal noun(const std::vector<ProposedUnit> &units, const UnitWords &ws, std::size_t at)
{
    ValueProposal p;
    const bool tagged = anyWord(ws, "np");
    const bool capital = startsWithCapital(units[at].unit.text);
    const bool opening = at == 0 || endsSentence(units[at - 1].unit.text);
    const bool known = !ws.empty() && ws.front().known;
    if (tagged || (capital && !opening)) {
        p.features.nounKind = NounKind::Proprio;
    } else if (capital && !known) {
        // At the start of a sentence a capital says nothing: a word nothing
        // knows is most likely a name.
        p.features.nounKind = NounKind::Proprio;
        p.doubt = true;
    } else {
        p.features.nounKind = NounKind::Comune;
    }
    return p;
}

ValueProposal adjective(const std::vector<ProposedUnit> &units, const UnitWords &ws, std::size_t at)
{
    ValueProposal p;
    Features &f = p.features;
    const std::string w = bareLower(units[at].unit.text);
    const Reading r = ws.empty() ? Reading{} : ws.front().reading;
    if (r.has("pos") || in(kPossessives, w))
        f.adjectiveKind = AdjectiveKind::Possessivo;
    else if (r.has("dem") || in(kDemonstratives, w))
        f.adjectiveKind = AdjectiveKind::Dimostrativo;
    else if (r.has("itg") || (in(kInterrogatives, w) && w != "chi"))
        f.adjectiveKind = exclaims(units, at) && !asks(units, at) ? AdjectiveKind::Esclamativo
                                                                    : AdjectiveKind::Interrogativo;
    else if (r.has("num") || r.has("ord") || in(kNumerals, w) || (!w.empty() && std::isdigit(static_cast<unsigned char>(w[0]))))
        f.adjectiveKind = AdjectiveKind::Numerale;
    else if (r.has("ind") || r.has("qnt") || in(kIndefinites, w))
        f.adjectiveKind = AdjectiveKind::Indefinito;
    else
        f.adjectiveKind = AdjectiveKind::Qualificativo;
    if (f.adjectiveKind != AdjectiveKind::Qualificativo)
        return p;
    static const Words comparatives = {"migliore", "migliori", "peggiore", "peggiori", "maggiore", "maggiori",
                                       "minore", "minori", "superiore", "superiori", "inferiore", "inferiori"};
    static const Words superlatives = {"ottimo", "ottima", "ottimi", "ottime", "pessimo", "pessima", "pessimi",
                                       "pessime", "massimo", "massima", "massimi", "massime", "minimo", "minima",
                                       "minimi", "minime", "supremo", "suprema", "infimo", "infima"};
    const auto endsWith = [&](std::string_view end) {
        return w.size() > end.size() + 2 && w.compare(w.size() - end.size(), end.size(), end) == 0;
    };
    const std::string before = at > 0 ? bareLower(units[at - 1].unit.text) : std::string();
    const std::string twoBefore = at > 1 ? bareLower(units[at - 2].unit.text) : std::string();
    const bool moreOrLess = before == "più" || before == "meno";
    if (r.has("sup") || in(superlatives, w) || endsWith("issimo") || endsWith("issima") || endsWith("issimi")
        || endsWith("issime") || (moreOrLess && at > 1 && units[at - 2].unit.code == 1))
        f.degree = Degree::Superlativo;
    else if (moreOrLess || in(comparatives, w) || (before == "tanto" || before == "così"))
        f.degree = Degree::Comparativo;
    else
        f.degree = Degree::Positivo;
    (void)twoBefore;
    return p;
}

ValueProposal pronoun(const std::vector<ProposedUnit> &units, const UnitWords &ws, std::size_t at)
{
    ValueProposal p;
    Features &f = p.features;
    const std::string w = bareLower(units[at].unit.text);
    const Reading r = ws.empty() ? Reading{} : ws.front().reading;
    // "il mio", "la quale": the article is part of the pronoun.
    std::string last = w;
    if (const auto space = w.rfind(' '); space != std::string::npos)
        last = w.substr(space + 1);
    const bool question = asks(units, at), exclamation = exclaims(units, at) && !question;
    if (last == "quale" || last == "quali" || w == "cui" || r.has("rel")) {
        if ((w == "chi" || w == "che" || w == "che cosa" || w == "cosa" || last == "quale" || last == "quali")
            && (question || exclamation) && (w.find(' ') == std::string::npos || w == "che cosa"))
            f.pronounKind = exclamation ? PronounKind::Esclamativo : PronounKind::Interrogativo;
        else
            f.pronounKind = PronounKind::Relativo;
    } else if (in(kInterrogatives, w) && (question || exclamation)) {
        f.pronounKind = exclamation ? PronounKind::Esclamativo : PronounKind::Interrogativo;
    } else if (w == "che" || w == "chi") {
        f.pronounKind = PronounKind::Relativo;
    } else if (r.has("pos") || in(kPossessives, last)) {
        f.pronounKind = w == "loro" && ws.size() == 1 ? PronounKind::Personale : PronounKind::Possessivo;
    } else if (r.has("dem") || in(kDemonstratives, w)) {
        f.pronounKind = PronounKind::Dimostrativo;
    } else if (personalPerson(w) != 0) {
        f.pronounKind = PronounKind::Personale;
    } else if (r.has("ind") || r.has("qnt") || in(kIndefinites, w) || in(kNumerals, w)) {
        f.pronounKind = PronounKind::Indefinito;
    } else if (r.has("p1") || r.has("p2") || r.has("p3")) {
        f.pronounKind = PronounKind::Personale;
    } else {
        f.pronounKind = PronounKind::Personale;
        p.doubt = true;
    }
    if (f.pronounKind == PronounKind::Personale) {
        const int person = personalPerson(w);
        f.pronounPerson = person == 1 ? Person::Prima : person == 2 ? Person::Seconda
                          : person == 3 ? Person::Terza
                          : r.has("p1") ? Person::Prima : r.has("p2") ? Person::Seconda : Person::Terza;
    }
    return p;
}

ValueProposal adverb(const std::vector<ProposedUnit> &units, const UnitWords &ws, std::size_t at)
{
    ValueProposal p;
    const std::string w = bareLower(units[at].unit.text);
    static const Words questions = {"come", "dove", "quando", "perché", "quanto", "perchè"};
    if (in(questions, w) && asks(units, at)) {
        p.features.adverbKind = AdverbKind::Interrogativo;
        return p;
    }
    AdverbKind kind = adverbKindOf(w);
    // A locution takes the kind of its words' meaning: "a poco a poco",
    // "di nuovo", "per caso".
    if (kind == AdverbKind::Unset && w.find(' ') != std::string::npos) {
        for (const UnitWord &uw : ws)
            if (const AdverbKind k = adverbKindOf(uw.lower); k != AdverbKind::Unset && uw.lower != "poco") {
                kind = k;
                break;
            }
    }
    if (kind == AdverbKind::Unset) {
        kind = AdverbKind::Modo;
        const bool mente = w.size() > 5 && w.compare(w.size() - 5, 5, "mente") == 0;
        static const Words manner = {"bene", "male", "così", "insieme", "volentieri", "piano", "forte", "meglio",
                                     "peggio", "invano", "apposta", "adagio", "come", "velocemente", "solo",
                                     "soltanto", "anche", "pure", "persino", "perfino", "almeno", "già"};
        p.doubt = !mente && !in(manner, w) && w.find(' ') == std::string::npos;
    }
    p.features.adverbKind = kind;
    return p;
}

ValueProposal preposition(const std::vector<ProposedUnit> &units, const UnitWords &ws, std::size_t at)
{
    ValueProposal p;
    const std::string w = bareLower(units[at].unit.text);
    bool joined = false;
    for (const UnitWord &uw : ws)
        joined = joined || uw.reading.has("det");
    if (w.find(' ') != std::string::npos && !in(kArticulated, w))
        p.features.prepositionKind = PrepositionKind::Locuzione;
    else if (joined || in(kArticulated, w))
        p.features.prepositionKind = PrepositionKind::Articolata;
    else if (in(kSimplePrepositions, w))
        p.features.prepositionKind = PrepositionKind::Semplice;
    else
        p.features.prepositionKind = PrepositionKind::Impropria;
    return p;
}

ValueProposal conjunction(const std::vector<ProposedUnit> &units, const UnitWords &ws, std::size_t at)
{
    ValueProposal p;
    std::string w = bareLower(units[at].unit.text);
    if (const auto hint = w.find(" che"); hint != std::string::npos && w.find("così") == 0)
        w = "così";  // "così (...che )": the consecutive
    const Reading r = ws.empty() ? Reading{} : ws.front().reading;
    if (in(kCoordinating, w) || (r.has("cnjcoo") && w.find(' ') == std::string::npos))
        p.features.conjunctionKind = ConjunctionKind::Coordinante;
    else
        p.features.conjunctionKind = ConjunctionKind::Subordinante;
    return p;
}

ValueProposal exclamation(const std::vector<ProposedUnit> &units, const UnitWords &ws, std::size_t at)
{
    ValueProposal p;
    const std::string w = bareLower(units[at].unit.text);
    if (w.find(' ') != std::string::npos) {
        p.features.exclamationKind = ExclamationKind::Locuzione;
    } else if (in(kProperExclamations, w)) {
        p.features.exclamationKind = ExclamationKind::Propria;
    } else if (in(kImproperExclamations, w)) {
        p.features.exclamationKind = ExclamationKind::Impropria;
    } else {
        // A word of another part of speech used as an exclamation
        // ("Bravo!", "Peccato!", "Aiuto!"); one nothing knows is most
        // likely a proper one.
        const bool known = !ws.empty() && ws.front().known;
        p.features.exclamationKind = known ? ExclamationKind::Impropria : ExclamationKind::Propria;
        p.doubt = !known;
    }
    return p;
}

}  // namespace

ValueProposal proposeKind(const std::vector<ProposedUnit> &units, const std::vector<UnitWords> &words, std::size_t at)
{
    if (at >= units.size() || at >= words.size())
        return {};
    const UnitWords &ws = words[at];
    switch (units[at].unit.code) {
    case 2: return noun(units, ws, at);
    case 3: return adjective(units, ws, at);
    case 4: return pronoun(units, ws, at);
    case 6: return adverb(units, ws, at);
    case 7: return preposition(units, ws, at);
    case 8: return conjunction(units, ws, at);
    case 9: return exclamation(units, ws, at);
    default: return {};
    }
}

void setKind(Features &f, int code, const Features &from)
{
    if (takesNounKind(code))
        f.nounKind = from.nounKind;
    if (takesAdjectiveKind(code)) {
        f.adjectiveKind = from.adjectiveKind;
        f.degree = from.degree;
    }
    if (takesPronounKind(code)) {
        f.pronounKind = from.pronounKind;
        f.pronounPerson = from.pronounPerson;
    }
    if (takesAdverbKind(code))
        f.adverbKind = from.adverbKind;
    if (takesPrepositionKind(code))
        f.prepositionKind = from.prepositionKind;
    if (takesConjunctionKind(code))
        f.conjunctionKind = from.conjunctionKind;
    if (takesExclamationKind(code))
        f.exclamationKind = from.exclamationKind;
}

}  // namespace editor
