// The sentences of the drill and their answer key.
// Codes: 1 article, 2 noun, 3 adjective, 4 pronoun, 5 verb,
//        6 adverb, 7 preposition, 8 conjunction, 9 exclamation; 0 filler.
// Each sentence lists all 22 cells: its units, then fillers (blank, code 0).
//
// Units coded 1..4 also carry what the complete analysis asks: an article's
// kind, and gender and number as school grammar reads them in the sentence:
// - Articulated prepositions ("dei", "delle", "sull'") are prepositions and
//   carry nothing; an elided article takes the gender of its noun ("l'
//   autobus", "un' escursione").
// - Invariable nouns take their number from the sentence ("la società",
//   "l' ultimo autobus"); nouns of both genders take it from their article or
//   adjective ("il nostro autista", "molti commercianti").
// - Adjectives, invariable ones included ("qualche", "ogni", "loro", "che"
//   exclamative, the numerals "due" and "dodici"), agree with their noun.
// - "che" and "cui" as relative pronouns are invariable and carry nothing.
// - Personal pronouns carry the number of their person; the gender only when
//   the word itself has one ("lo", "la", "lui", "lei", "gli", "le") or a
//   participle agreeing with the pronoun fixes it ("noi ... ci siamo
//   addormentati"): "io", "tu", "mi", "ti", "me", "ci", "vi", "voi" carry the
//   number alone. "chi" is singular, of no gender; "lo" standing for a fact
//   ("se nessuno lo confessa") is masculine singular, as "ciò".
//
// Verbs (code 5) carry, in the words of the collection format, their
// infinitive (which gives the conjugation), mood, tense, person and number
// (finite moods only), form and transitivity:
// - The conjugation goes by the infinitive's ending: -are prima, -ere and
//   -rre seconda, -ire terza, essere and avere propria. So "fare" is prima
//   and "dire" terza, as most school grammars list them among the irregular
//   verbs of those conjugations (the readings that go by the Latin put them
//   in the seconda).
// - A compound tense is one unit, auxiliary and participle ("abbiamo
//   preparato": indicativo passato prossimo); "(ebbe)notato" shares the
//   auxiliary of "ebbe superato" and is trapassato remoto as it.
// - A modal or phrasal verb with its infinitive is one unit ("potrebbe
//   cadere", "cercano di ottenere", "voleva prestar-"): the infinitive that
//   carries the meaning gives the infinitive, the conjugation and the
//   transitivity; the conjugated verb gives mood, tense, person and number.
//   "si è potuto incontrare" is so "incontrarsi", passato prossimo. "posso"
//   standing alone (its infinitive understood) is "potere".
// - Form: attiva, passiva (auxiliary essere with a transitive participle,
//   "era accusato"; the "si" that makes a passive, "si sentiva il canto"; a
//   past participle of a transitive verb standing for a clause, "elaborati i
//   punteggi", "vacanze trascorse"), riflessiva. Every verb joined to its
//   reflexive pronoun is riflessiva under its pronominal infinitive: proper
//   reflexives, reciprocal ones ("si abbracciarono": abbracciarsi) and the
//   pronominal verbs that school grammars call reflexive in form only
//   ("si arrabbiò": arrabbiarsi, "se ne andò": andarsene, "mi aspettavo":
//   aspettarsi). A reflexive form's transitivity is left unset: the
//   grammars do not agree on it.
// - Transitivity as used in the sentence: transitivo with an object (a
//   noun, a pronoun, a clause, direct speech: "Accidenti, ha esclamato"),
//   intransitivo for verbs that take none (essere, andare, sembrare), unset
//   for a transitive verb used without one ("mentre studia", "chi vincerà",
//   "dovremo aspettare").
// - A finite mood's person and number are those of its subject; an
//   imperative has one tense, so the drill does not ask it.

#include "sentence_source.h"

#include <stdexcept>
#include <string>

#include "collection_format.h"

namespace engine {

namespace {

// Articles: kind, gender and number.
const Features detMS{ArticleKind::Determinativo, Gender::Maschile, Number::Singolare};
const Features detMP{ArticleKind::Determinativo, Gender::Maschile, Number::Plurale};
const Features detFS{ArticleKind::Determinativo, Gender::Femminile, Number::Singolare};
const Features detFP{ArticleKind::Determinativo, Gender::Femminile, Number::Plurale};
const Features indMS{ArticleKind::Indeterminativo, Gender::Maschile, Number::Singolare};
const Features indFS{ArticleKind::Indeterminativo, Gender::Femminile, Number::Singolare};
// Nouns, adjectives and pronouns: gender and number, or the number alone.
const Features MS{ArticleKind::Unset, Gender::Maschile, Number::Singolare};
const Features MP{ArticleKind::Unset, Gender::Maschile, Number::Plurale};
const Features FS{ArticleKind::Unset, Gender::Femminile, Number::Singolare};
const Features FP{ArticleKind::Unset, Gender::Femminile, Number::Plurale};
const Features S{ArticleKind::Unset, Gender::Unset, Number::Singolare};
const Features P{ArticleKind::Unset, Gender::Unset, Number::Plurale};

// A verb's values, written as a collection line writes them after "verbo".
Features v(const char *analysis)
{
    const collection::Line line = collection::parseLine(std::string("x = verbo ") + analysis, 0);
    if (line.kind != collection::Line::Kind::Sentence)
        throw std::logic_error("verb analysis \"" + std::string(analysis) + "\": " + line.problem.text);
    return line.units.front().features;
}

}  // namespace

const std::vector<SentenceSource> &sentenceSources()
{
    static const std::vector<SentenceSource> sentences = {
        {0, 19, {{
            {" Era  ", 5, v("essere ind imperfetto 3 s att intr")}, {" presto, ", 6}, {" perciò ", 8}, {"restammo", 5, v("restare ind passato-remoto 1 p att intr")},
            {"ancora  ", 6}, {"qualche", 3, MS}, {"minuto ", 2, MS}, {"per  ", 7},
            {"parlare  ", 5, v("parlare inf presente att intr")}, {"delle  ", 7}, {"vacanze,   ", 2, FP}, {"trascorse  ", 5, v("trascorrere part passato pass tr")},
            {"insieme con ", 7}, {"altri   ", 3, MP}, {"comuni  ", 3, MP}, {"amici, ", 2, MP},
            {"la ", 1, detFS}, {"scorsa  ", 3, FS}, {"estate.  ", 2, FS},
            {" ", 0}, {" ", 0}, {"", 0},
        }}},
        {1, 22, {{
            {" Mentre  ", 8}, {"andavamo    ", 5, v("andare ind imperfetto 1 p att intr")}, {"al    ", 7}, {"mare,   ", 2, MS},
            {"mio   ", 3, MS}, {"nonno    ", 2, MS}, {"si è fermato    ", 5, v("fermarsi ind passato-prossimo 3 s rifl")}, {"perché    ", 8},
            {"un  ", 1, indMS}, {"grosso   ", 3, MS}, {"cervo     ", 2, MS}, {"attraversava   ", 5, v("attraversare ind imperfetto 3 s att tr")},
            {"lentamente    ", 6}, {"la  ", 1, detFS}, {"strada  ", 2, FS}, {"di    ", 7},
            {"montagna    ", 2, FS}, {"con   ", 7}, {"i     ", 1, detMP}, {"suoi    ", 3, MP},
            {"due  ", 3, MP}, {"cerbiatti.   ", 2, MP},
        }}},
        {2, 21, {{
            {"Nel  ", 7}, {"silenzio  ", 2, MS}, {"della   ", 7}, {"notte    ", 2, FS},
            {"si sentiva  ", 5, v("sentire ind imperfetto 3 s pass tr")}, {"il   ", 1, detMS}, {"canto   ", 2, MS}, {"lontano   ", 3, MS},
            {"di    ", 7}, {"qualche    ", 3, MS}, {"gufo,   ", 2, MS}, {"ma  ", 8},
            {"noi    ", 4, MP}, {"non     ", 6}, {"avevamo     ", 5, v("avere ind imperfetto 1 p att tr")}, {"paura    ", 2, FS},
            {"e    ", 8}, {"ci siamo addormentati   ", 5, v("addormentarsi ind passato-prossimo 1 p rifl")}, {"subito  ", 6}, {"nella    ", 7},
            {"tenda.   ", 2, FS},
            {" ", 0},
        }}},
        {3, 20, {{
            {"I   ", 1, detMP}, {"miei    ", 3, MP}, {"amici   ", 2, MP}, {"e   ", 8},
            {"io   ", 4, S}, {"abbiamo preparato   ", 5, v("preparare ind passato-prossimo 1 p att tr")}, {"una    ", 1, indFS}, {"grande     ", 3, FS},
            {"festa  ", 2, FS}, {"per     ", 7}, {"salutare    ", 5, v("salutare inf presente att tr")}, {"la  ", 1, detFS},
            {"nostra    ", 3, FS}, {"cara   ", 3, FS}, {"maestra,    ", 2, FS}, {"la quale     ", 4, FS},
            {"presto    ", 6}, {"andrà  ", 5, v("andare ind futuro 3 s att intr")}, {"in     ", 7}, {"pensione.    ", 2, FS},
            {"", 0}, {"  ", 0},
        }}},
        {4, 22, {{
            {"Benché    ", 8}, {"lo", 4, MS}, {"addestrassero  ", 5, v("addestrare cong imperfetto 3 p att tr")}, {"ogni  ", 3, MS},
            {"giorno    ", 2, MS}, {"con    ", 7}, {"molta   ", 3, FS}, {"pazienza,     ", 2, FS},
            {"il  ", 1, detMS}, {"cane     ", 2, MS}, {"dei     ", 7}, {"nostri   ", 3, MP},
            {"nuovi    ", 3, MP}, {"vicini   ", 2, MP}, {"non   ", 6}, {"ubbidiva  ", 5, v("ubbidire ind imperfetto 3 s att intr")},
            {"mai    ", 6}, {"ai   ", 7}, {"comandi  ", 2, MP}, {"del   ", 7},
            {"suo   ", 3, MS}, {"padrone.    ", 2, MS},
        }}},
        {5, 22, {{
            {"Nonostante    ", 8}, {"sia venuto   ", 5, v("venire cong passato 3 s att intr")}, {"presto,    ", 6}, {"mio  ", 3, MS},
            {"cugino   ", 2, MS}, {"non   ", 6}, {"ha trovato  ", 5, v("trovare ind passato-prossimo 3 s att tr")}, {"i   ", 1, detMP},
            {"biglietti   ", 2, MP}, {"per  ", 7}, {"il    ", 1, detMS}, {"concerto  ", 2, MS},
            {"di   ", 7}, {"domenica,    ", 2, FS}, {"quindi    ", 8}, {"è tornato   ", 5, v("tornare ind passato-prossimo 3 s att intr")},
            {"a  ", 7}, {"casa   ", 2, FS}, {"senza    ", 7}, {"parlare    ", 5, v("parlare inf presente att intr")},
            {"con  ", 7}, {"nessuno.     ", 4, MS},
        }}},
        {6, 21, {{
            {"Inghiottendo  ", 5, v("inghiottire ger presente att tr")}, {"quella    ", 3, FS}, {"medicina,  ", 2, FS}, {"mio  ", 3, MS},
            {"fratello   ", 2, MS}, {"fece   ", 5, v("fare ind passato-remoto 3 s att tr")}, {"una   ", 1, indFS}, {"smorfia  ", 2, FS},
            {"così (...che )   ", 8}, {"buffa    ", 3, FS}, {"che    ", 8}, {"noi   ", 4, P},
            {"ridemmo,   ", 5, v("ridere ind passato-remoto 1 p att intr")}, {"ma   ", 8}, {"lui    ", 4, MS}, {"si arrabbiò  ", 5, v("arrabbiarsi ind passato-remoto 3 s rifl")},
            {"moltissimo   ", 6}, {"e  ", 8}, {"se ne andò  ", 5, v("andarsene ind passato-remoto 3 s rifl")}, {"in    ", 7},
            {"camera.     ", 2, FS},
            {"", 0},
        }}},
        {7, 19, {{
            {"In  ", 7}, {"mattinata,    ", 2, FS}, {"elaborati    ", 5, v("elaborare part passato pass tr")}, {"i    ", 1, detMP},
            {"punteggi,  ", 2, MP}, {"la   ", 1, detFS}, {"professoressa  ", 2, FS}, {"è venuta    ", 5, v("venire ind passato-prossimo 3 s att intr")},
            {"per   ", 7}, {"mostrar-  ", 5, v("mostrare inf presente att tr")}, {"ci   ", 4, P}, {"i   ", 1, detMP},
            {"voti   ", 2, MP}, {"e    ", 8}, {"ci   ", 4, P}, {"ha detto    ", 5, v("dire ind passato-prossimo 3 s att tr")},
            {"che    ", 8}, {"eravamo stati  ", 5, v("essere ind trapassato-prossimo 1 p att intr")}, {"bravi.    ", 3, MP},
            {"   ", 0}, {" ", 0}, {"  ", 0},
        }}},
        {8, 22, {{
            {"Il   ", 1, detMS}, {"mio  ", 3, MS}, {"amico   ", 2, MS}, {"mi  ", 4, S},
            {"ha invitato  ", 5, v("invitare ind passato-prossimo 3 s att tr")}, {"in   ", 7}, {"campagna;   ", 2, FS}, {"io    ", 4, S},
            {"ci    ", 6}, {"andrei   ", 5, v("andare cond presente 1 s att intr")}, {"con    ", 7}, {"molto    ", 3, MS},
            {"piacere,    ", 2, MS}, {"ma     ", 8}, {"non     ", 6}, {"posso     ", 5, v("potere ind presente 1 s att")},
            {"attualmente;  ", 6}, {"vi   ", 6}, {"andrò   ", 5, v("andare ind futuro 1 s att intr")}, {"il   ", 1, detMS},
            {"prossimo    ", 3, MS}, {"mese.    ", 2, MS},
        }}},
        {9, 21, {{
            {"Lassù,   ", 6}, {"sull'  ", 7}, {"alta  ", 3, FS}, {"torre    ", 2, FS},
            {"del  ", 7}, {"vecchio    ", 3, MS}, {"castello,    ", 2, MS}, {"si trova  ", 5, v("trovarsi ind presente 3 s rifl")},
            {"una  ", 1, indFS}, {"grande   ", 3, FS}, {"campana     ", 2, FS}, {"che   ", 4},
            {"ormai   ", 6}, {"nessuno   ", 4, MS}, {"suona    ", 5, v("suonare ind presente 3 s att tr")}, {"più,   ", 6},
            {"perché,   ", 8}, {"essendo  ", 5, v("essere ger presente att intr")}, {"molto   ", 6}, {"pesante,   ", 3, FS},
            {"potrebbe cadere.   ", 5, v("cadere cond presente 3 s att intr")},
            {" ", 0},
        }}},
        {10, 20, {{
            {"Ti   ", 4, S}, {"ho detto    ", 5, v("dire ind passato-prossimo 1 s att tr")}, {"di    ", 7}, {"non    ", 6},
            {"disturbare     ", 5, v("disturbare inf presente att tr")}, {"tuo   ", 3, MS}, {"fratello    ", 2, MS}, {"mentre     ", 8},
            {"studia,  ", 5, v("studiare ind presente 3 s att")}, {"per  ", 7}, {"non   ", 6}, {"crear-  ", 5, v("creare inf presente att tr")},
            {"gli", 4, MS}, {"distrazioni,  ", 2, FP}, {"ma  ", 8}, {"non    ", 6},
            {"ascolti    ", 5, v("ascoltare ind presente 2 s att tr")}, {"i   ", 1, detMP}, {"miei    ", 3, MP}, {"consigli!    ", 2, MP},
            {" ", 0}, {"", 0},
        }}},
        {11, 21, {{
            {"Per   ", 7}, {"i   ", 1, detMP}, {"reati  ", 2, MP}, {"di    ", 7},
            {"cui   ", 4}, {"era accusato,  ", 5, v("accusare ind imperfetto 3 s pass tr")}, {"il    ", 1, detMS}, {"giudice  ", 2, MS},
            {"lo    ", 4, MS}, {"ha condannato,   ", 5, v("condannare ind passato-prossimo 3 s att tr")}, {"ma  ", 8}, {"il  ", 1, detMS},
            {"suo   ", 3, MS}, {"avvocato,    ", 2, MS}, {"per  ", 7}, {"dimostrare  ", 5, v("dimostrare inf presente att tr")},
            {"che   ", 8}, {"è   ", 5, v("essere ind presente 3 s att intr")}, {"innocente,  ", 3, MS}, {"presenterà    ", 5, v("presentare ind futuro 3 s att tr")},
            {"ricorso.     ", 2, MS},
            {" ", 0},
        }}},
        {12, 20, {{
            {"Per   ", 7}, {"avidità", 2, FS}, {"molti  ", 3, MP}, {"commercianti     ", 2, MP},
            {"cercano di ottenere    ", 5, v("ottenere ind presente 3 p att tr")}, {"grandi  ", 3, MP}, {"guadagni   ", 2, MP}, {"e   ", 8},
            {"spesso   ", 6}, {"non   ", 6}, {"si preoccupano    ", 5, v("preoccuparsi ind presente 3 p rifl")}, {"se  ", 8},
            {"i     ", 1, detMP}, {"loro   ", 3, MP}, {"prodotti    ", 2, MP}, {"sono  ", 5, v("essere ind presente 3 p att intr")},
            {"dannosi  ", 3, MP}, {"per    ", 7}, {"la   ", 1, detFS}, {"salute.   ", 2, FS},
            {" ", 0}, {"   ", 0},
        }}},
        {13, 21, {{
            {"Abbiamo fatto    ", 5, v("fare ind passato-prossimo 1 p att tr")}, {"tanti  ", 3, MP}, {"sacrifici    ", 2, MP}, {"per    ", 7},
            {"quella   ", 3, FS}, {"casa    ", 2, FS}, {"al   ", 7}, {"mare,   ", 2, MS},
            {"ma    ", 8}, {"comperando-   ", 5, v("comperare ger presente att tr")}, {"la   ", 4, FS}, {"abbiamo realizzato    ", 5, v("realizzare ind passato-prossimo 1 p att tr")},
            {"un    ", 1, indMS}, {"vecchio     ", 3, MS}, {"sogno   ", 2, MS}, {"e    ", 8},
            {"ora   ", 6}, {"ci  ", 6}, {"andiamo  ", 5, v("andare ind presente 1 p att intr")}, {"ogni    ", 3, FS},
            {"estate.    ", 2, FS},
            {" ", 0},
        }}},
        {14, 22, {{
            {"Sembra     ", 5, v("sembrare ind presente 3 s att intr")}, {"che   ", 8}, {"la     ", 1, detFS}, {"pioggia    ", 2, FS},
            {"di    ", 7}, {"questa   ", 3, FS}, {"notte   ", 2, FS}, {"abbia allagato   ", 5, v("allagare cong passato 3 s att tr")},
            {"molte   ", 3, FP}, {"strade  ", 2, FP}, {"del   ", 7}, {"centro  ", 2, MS},
            {"storico,  ", 3, MS}, {" perciò  ", 8}, {"il    ", 1, detMS}, {"sindaco    ", 2, MS},
            {"ha deciso    ", 5, v("decidere ind passato-prossimo 3 s att tr")}, {"di   ", 7}, {"chiudere     ", 5, v("chiudere inf presente att tr")}, {"tutte    ", 3, FP},
            {"le   ", 1, detFP}, {"scuole.  ", 2, FP},
        }}},
        {15, 21, {{
            {"La     ", 1, detFS}, {"società    ", 2, FS}, {"del  ", 7}, {"nostro  ", 3, MS},
            {"quartiere  ", 2, MS}, {"ha organizzato   ", 5, v("organizzare ind passato-prossimo 3 s att tr")}, {"un  ", 1, indMS}, {"grande   ", 3, MS},
            {"torneo    ", 2, MS}, {"di     ", 7}, {"calcio,  ", 2, MS}, {"e   ", 8},
            {"chi    ", 4, S}, {"vincerà    ", 5, v("vincere ind futuro 3 s att")}, {"riceverà   ", 5, v("ricevere ind futuro 3 s att tr")}, {"in   ", 7},
            {"premio   ", 2, MS}, {"una   ", 1, indFS}, {"coppa  ", 2, FS}, {"d'", 7},
            {"argento.   ", 2, MS},
            {" ", 0},
        }}},
        {16, 17, {{
            {"Con  ", 7}, {"questa  ", 3, FS}, {"bicicletta,  ", 2, FS}, {"che  ", 4},
            {"mio    ", 3, MS}, {"padre   ", 2, MS}, {"mi   ", 4, S}, {"ha regalato,    ", 5, v("regalare ind passato-prossimo 3 s att tr")},
            {"andrò  ", 5, v("andare ind futuro 1 s att intr")}, {"a    ", 7}, {"scuola    ", 2, FS}, {"e   ", 8},
            {"non     ", 6}, {"prenderò  ", 5, v("prendere ind futuro 1 s att tr")}, {"più  ", 6}, {"l'   ", 1, detMS},
            {"autobus.     ", 2, MS},
            {" ", 0}, {"  ", 0}, {"  ", 0}, {"", 0}, {"   ", 0},
        }}},
        {17, 22, {{
            {"Accidenti,   ", 9}, {"ha esclamato    ", 5, v("esclamare ind passato-prossimo 3 s att tr")}, {"mio   ", 3, MS}, {"nonno  ", 2, MS},
            {"sospirando,  ", 5, v("sospirare ger presente att intr")}, {"ho dimenticato  ", 5, v("dimenticare ind passato-prossimo 1 s att tr")}, {"ancora  ", 6}, {"gli    ", 1, detMP},
            {"occhiali  ", 2, MP}, {"a   ", 7}, {"casa  ", 2, FS}, {"e    ", 8},
            {"ora    ", 6}, {"non  ", 6}, {"posso leggere    ", 5, v("leggere ind presente 1 s att tr")}, {"il  ", 1, detMS},
            {"giornale    ", 2, MS}, {"che   ", 4}, {"tu  ", 4, S}, {"mi   ", 4, S},
            {"hai portato     ", 5, v("portare ind passato-prossimo 2 s att tr")}, {"stamattina!      ", 6},
        }}},
        {18, 21, {{
            {"L'  ", 1, detMS}, {"uomo,    ", 2, MS}, {"che    ", 4}, {"si è potuto incontrare  ", 5, v("incontrarsi ind passato-prossimo 3 s rifl")},
            {"con   ", 7}, {"il   ", 1, detMS}, {"sindaco,    ", 2, MS}, {"gli   ", 4, MS},
            {"ha spiegato     ", 5, v("spiegare ind passato-prossimo 3 s att tr")}, {"che   ", 8}, {"la  ", 1, detFS}, {"fabbrica  ", 2, FS},
            {"chiuderà   ", 5, v("chiudere ind futuro 3 s att intr")}, {"presto   ", 6}, {"e  ", 8}, {"che    ", 8},
            {"molti    ", 3, MP}, {"operai   ", 2, MP}, {"purtroppo   ", 6}, {"resteranno  ", 5, v("restare ind futuro 3 p att intr")},
            {"disoccupati.   ", 3, MP},
            {" ", 0},
        }}},
        {19, 16, {{
            {"Poiché   ", 8}, {"ti  ", 4, S}, {"ho prestato     ", 5, v("prestare ind passato-prossimo 1 s att tr")}, {"il   ", 1, detMS},
            {"mio   ", 3, MS}, {"libro,   ", 2, MS}, {"spero  ", 5, v("sperare ind presente 1 s att tr")}, {"che    ", 8},
            {"domani     ", 6}, {"tu    ", 4, S}, {"mi  ", 4, S}, {"presti  ", 5, v("prestare cong presente 2 s att tr")},
            {"qualche  ", 3, MS}, {"fumetto", 2, MS}, {"da  ", 7}, {"leggere.     ", 5, v("leggere inf presente att tr")},
            {" ", 0}, {"", 0}, {"", 0}, {" ", 0}, {" ", 0}, {" ", 0},
        }}},
        {20, 22, {{
            {"Ohibò,  ", 9}, {"disse     ", 5, v("dire ind passato-remoto 3 s att tr")}, {"la    ", 1, detFS}, {"maestra,  ", 2, FS},
            {"chi  ", 4, S}, {"ha scritto   ", 5, v("scrivere ind passato-prossimo 3 s att tr")}, {"queste    ", 3, FP}, {"brutte     ", 3, FP},
            {"parole   ", 2, FP}, {"sulla  ", 7}, {"lavagna?  ", 2, FS}, {"Se     ", 8},
            {"nessuno   ", 4, MS}, {"lo   ", 4, MS}, {"confessa   ", 5, v("confessare ind presente 3 s att tr")}, {"subito,  ", 6},
            {"resterete   ", 5, v("restare ind futuro 2 p att intr")}, {"in    ", 7}, {"classe   ", 2, FS}, {"senza    ", 7},
            {"fare    ", 5, v("fare inf presente att tr")}, {"ricreazione.      ", 2, FS},
        }}},
        {21, 19, {{
            {"I   ", 1, detMP}, {"due", 3, MP}, {"uomini,   ", 2, MP}, {"che    ", 4},
            {"non    ", 6}, {"si vedevano    ", 5, v("vedersi ind imperfetto 3 p rifl")}, {"da  ", 7}, {"molti   ", 3, MP},
            {"anni,   ", 2, MP}, {"si abbracciarono    ", 5, v("abbracciarsi ind passato-remoto 3 p rifl")}, {"con     ", 7}, {"gioia   ", 2, FS},
            {"e   ", 8}, {"poi  ", 6}, {"andarono     ", 5, v("andare ind passato-remoto 3 p att intr")}, {"in    ", 7},
            {"trattoria   ", 2, FS}, {"per   ", 7}, {"festeggiare.   ", 5, v("festeggiare inf presente att")},
            {"  ", 0}, {" ", 0}, {" ", 0},
        }}},
        {22, 19, {{
            {"Gli   ", 1, detMP}, {"uccelli  ", 2, MP}, {"cantavano  ", 5, v("cantare ind imperfetto 3 p att")}, {" già   ", 6},
            {"sugli   ", 7}, {"alberi   ", 2, MP}, {"quando  ", 8}, {"mia    ", 3, FS},
            {"nonna   ", 2, FS}, {"uscì   ", 5, v("uscire ind passato-remoto 3 s att intr")}, {"in   ", 7}, {"giardino;    ", 2, MS},
            {"noi   ", 4, P}, {"la   ", 4, FS}, {"salutammo   ", 5, v("salutare ind passato-remoto 1 p att tr")}, {"e  ", 8},
            {"lei   ", 4, FS}, {"rispose    ", 5, v("rispondere ind passato-remoto 3 s att intr")}, {"sorridendo.   ", 5, v("sorridere ger presente att intr")},
            {"  ", 0}, {" ", 0}, {"", 0},
        }}},
        {23, 20, {{
            {"Per Bacco!", 9}, {"Questa    ", 4, FS}, {"è    ", 5, v("essere ind presente 3 s att intr")}, {"proprio    ", 6},
            {"una  ", 1, indFS}, {"bella  ", 3, FS}, {"sorpresa:  ", 2, FS}, {"non  ", 6},
            {"mi aspettavo    ", 5, v("aspettarsi ind imperfetto 1 s rifl")}, {"davvero  ", 6}, {"di    ", 7}, {"trovare   ", 5, v("trovare inf presente att tr")},
            {"qui   ", 6}, {"tutti  ", 3, MP}, {"i   ", 1, detMP}, {"miei    ", 3, MP},
            {"vecchi     ", 3, MP}, {"compagni  ", 2, MP}, {"di    ", 7}, {"scuola.  ", 2, FS},
            {"", 0}, {"", 0},
        }}},
        {24, 21, {{
            {"Oh!    ", 9}, {"Che    ", 3, FS}, {"bella  ", 3, FS}, {"giornata:  ", 2, FS},
            {"il  ", 1, detMS}, {"sole  ", 2, MS}, {"splende  ", 5, v("splendere ind presente 3 s att intr")}, {"e   ", 8},
            {"possiamo andare  ", 5, v("andare ind presente 1 p att intr")}, {"al    ", 7}, {"lago   ", 2, MS}, {"con    ", 7},
            {"mio  ", 3, MS}, {"zio,     ", 2, MS}, {"che   ", 4}, {"ci    ", 4, P},
            {"porterà  ", 5, v("portare ind futuro 3 s att tr")}, {"a   ", 7}, {"pescare  ", 5, v("pescare inf presente att")}, {"in   ", 7},
            {"barca.  ", 2, FS},
            {"  ", 0},
        }}},
        {25, 19, {{
            {"Orsù!  ", 9}, {"Non    ", 6}, {"scoraggiatevi,    ", 5, v("scoraggiarsi imper presente 2 p rifl")}, {"ragazzi:", 2, MP},
            {"se    ", 8}, {"vi allenerete    ", 5, v("allenarsi ind futuro 2 p rifl")}, {"con    ", 7}, {"impegno,  ", 2, MS},
            {"vincerete  ", 5, v("vincere ind futuro 2 p att tr")}, {"certamente   ", 6}, {"la    ", 1, detFS}, {"prossima  ", 3, FS},
            {"partita     ", 2, FS}, {"e     ", 8}, {"tutti  ", 3, MP}, {"i   ", 1, detMP},
            {"compagni    ", 2, MP}, {"vi  ", 4, P}, {"applaudiranno.  ", 5, v("applaudire ind futuro 3 p att tr")},
            {" ", 0}, {" ", 0}, {" ", 0},
        }}},
        {26, 22, {{
            {"Povero me!   ", 9}, {"Ho rotto    ", 5, v("rompere ind passato-prossimo 1 s att tr")}, {"la  ", 1, detFS}, {"chitarra   ", 2, FS},
            {"nuova   ", 3, FS}, {"di  ", 7}, {"mio     ", 3, MS}, {"cugino:     ", 2, MS},
            {"lui    ", 4, MS}, {"non   ", 6}, {"voleva prestar-  ", 5, v("prestare ind imperfetto 3 s att tr")}, {"me-    ", 4, S},
            {"la,   ", 4, FS}, {"e  ", 8}, {"adesso  ", 6}, {"dovrò pagare   ", 5, v("pagare ind futuro 1 s att tr")},
            {"la    ", 1, detFS}, {"riparazione   ", 2, FS}, {"con   ", 7}, {"i   ", 1, detMP},
            {"miei    ", 3, MP}, {"risparmi.    ", 2, MP},
        }}},
        {27, 21, {{
            {"Ahimè,  ", 9}, {"mi sono dimenticato    ", 5, v("dimenticarsi ind passato-prossimo 1 s rifl")}, {"di    ", 7}, {"portare  ", 5, v("portare inf presente att tr")},
            {"il  ", 1, detMS}, {"regalo  ", 2, MS}, {"per    ", 7}, {"Giulia,     ", 2, FS},
            {"che  ", 4}, {"oggi    ", 6}, {"compie    ", 5, v("compiere ind presente 3 s att tr")}, {"dodici   ", 3, MP},
            {"anni:  ", 2, MP}, {"uffa,    ", 9}, {"è   ", 5, v("essere ind presente 3 s att intr")}, {"troppo   ", 6},
            {"tardi  ", 6}, {"per   ", 7}, {"tornare     ", 5, v("tornare inf presente att intr")}, {"a   ", 7},
            {"casa!    ", 2, FS},
            {"  ", 0},
        }}},
        {28, 22, {{
            {"Peccato!  ", 9}, {"Ormai   ", 6}, {"l'   ", 1, detMS}, {"ultimo   ", 3, MS},
            {"autobus  ", 2, MS}, {"è partito:    ", 5, v("partire ind passato-prossimo 3 s att intr")}, {"io   ", 4, S}, {"e   ", 8},
            {"mia  ", 3, FS}, {"sorella    ", 2, FS}, {"dovremo aspettare   ", 5, v("aspettare ind futuro 1 p att")}, {"tremando  ", 5, v("tremare ger presente att intr")},
            {"sotto    ", 7}, {"la   ", 1, detFS}, {"pioggia    ", 2, FS}, {"gelida,  ", 3, FS},
            {"sperando     ", 5, v("sperare ger presente att tr")}, {"che   ", 8}, {"nostra  ", 3, FS}, {"madre    ", 2, FS},
            {"arrivi  ", 5, v("arrivare cong presente 3 s att intr")}, {"presto.  ", 6},
        }}},
        {29, 19, {{
            {"Un   ", 1, indMS}, {"improvviso     ", 3, MS}, {"acquazzone,   ", 2, MS}, {"che    ", 4},
            {"nessuno  ", 4, MS}, {"aveva previsto,     ", 5, v("prevedere ind trapassato-prossimo 3 s att tr")}, {"ha rovinato    ", 5, v("rovinare ind passato-prossimo 3 s att tr")}, {" completamente  ", 6},
            {"la    ", 1, detFS}, {"festa   ", 2, FS}, {"che  ", 4}, {"avevamo preparato   ", 5, v("preparare ind trapassato-prossimo 1 p att tr")},
            {"con   ", 7}, {"tanta    ", 3, FS}, {"cura   ", 2, FS}, {"nel  ", 7},
            {"nostro  ", 3, MS}, {"bel    ", 3, MS}, {"giardino.  ", 2, MS},
            {"", 0}, {" ", 0}, {" ", 0},
        }}},
        {30, 20, {{
            {"Quando  ", 8}, {"ebbe superato  ", 5, v("superare ind trapassato-remoto 3 s att tr")}, {"il   ", 1, detMS}, {"ponte  ", 2, MS},
            {"e   ", 8}, {"(ebbe)notato  ", 5, v("notare ind trapassato-remoto 3 s att tr")}, {"la    ", 1, detFS}, {"frana,   ", 2, FS},
            {"il   ", 1, detMS}, {"nostro   ", 3, MS}, {"autista   ", 2, MS}, {"si fermò  ", 5, v("fermarsi ind passato-remoto 3 s rifl")},
            {"subito  ", 6}, {"e  ", 8}, {"disse    ", 5, v("dire ind passato-remoto 3 s att tr")}, {"ai   ", 7},
            {"passeggeri", 2, MP}, {"di    ", 7}, {"scendere  ", 5, v("scendere inf presente att intr")}, {"rapidamente.    ", 6},
            {"  ", 0}, {" ", 0},
        }}},
        {31, 21, {{
            {"Evviva!    ", 9}, {"Siete stati   ", 5, v("essere ind passato-prossimo 2 p att intr")}, {"davvero   ", 6}, {"bravi,    ", 3, MP},
            {"ragazzi:    ", 2, MP}, {"la    ", 1, detFS}, {"nostra  ", 3, FS}, {"classe   ", 2, FS},
            {"ha vinto     ", 5, v("vincere ind passato-prossimo 3 s att tr")}, {"il     ", 1, detMS}, {"primo  ", 3, MS}, {"premio  ", 2, MS},
            {"e     ", 8}, {"il     ", 1, detMS}, {"preside   ", 2, MS}, {"vi   ", 4, P},
            {"ha promesso   ", 5, v("promettere ind passato-prossimo 3 s att tr")}, {"un'    ", 1, indFS}, {"escursione   ", 2, FS}, {"in   ", 7},
            {"montagna.        ", 2, FS},
            {"   ", 0},
        }}},
        {32, 21, {{
            {"Ehm!   ", 9}, {"Vorrei trattenermi    ", 5, v("trattenersi cond presente 1 s rifl")}, {"ancora   ", 6}, {"con   ", 7},
            {"voi,   ", 4, P}, {"ma,    ", 8}, {"ahimè,  ", 9}, {"mia   ", 3, FS},
            {"madre    ", 2, FS}, {"mi  ", 4, S}, {"aspetta   ", 5, v("aspettare ind presente 3 s att tr")}, {"per    ", 7},
            {"la  ", 1, detFS}, {"cena     ", 2, FS}, {"e    ", 8}, {"io    ", 4, S},
            {"le  ", 4, FS}, {"ho promesso   ", 5, v("promettere ind passato-prossimo 1 s att tr")}, {"di   ", 7}, {"tornare   ", 5, v("tornare inf presente att intr")},
            {"presto.   ", 6},
            {"  ", 0},
        }}},
    };
    return sentences;
}

}  // namespace engine
