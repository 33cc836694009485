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
//
// Every other unit (codes 2..4 and 6..9) carries its kind, in the words of
// the collection format; a qualifying adjective its degree, a personal
// pronoun its person. Where school grammars read a word in more than one way,
// the key takes their common reading:
// - Nouns are comune but for names of persons and places ("Giulia");
//   "domenica" is comune. "Per Bacco!" is one exclamation, not a noun.
// - Adjectives: "mio", "suoi", "loro" ("i loro prodotti") possessivo;
//   "questa", "quella" dimostrativo; "qualche", "ogni", "altri", "tutti",
//   "molti", "tanta" indefinito, and so "molto" before a noun ("con molto
//   piacere"); the cardinals "due", "dodici" and the ordinal "primo"
//   numerale, while "ultimo" and "prossimo" are qualificativo, as a past
//   participle used as an adjective ("la scorsa estate"); "che" before an
//   adjective in an exclamation ("Che bella giornata!") esclamativo. Every
//   qualificativo of the bank is of degree positivo: none is compared.
// - Pronouns: "io", "mi", "me", "noi", "ci" (mostrarci, ci ha detto) prima
//   persona; "tu", "ti", "voi", "vi" seconda; "lui", "lei", "lo", "la",
//   "gli", "le" terza. "che", "cui", "la quale" relativo; "chi" standing for
//   "colui che" ("chi vincerà riceverà") relativo (the grammars' relativo
//   misto), in a question ("chi ha scritto...?") interrogativo; "nessuno"
//   indefinito; "Questa è..." dimostrativo.
// - Adverbs: "-mente" adverbs di modo, "completamente" too; "purtroppo",
//   an adverb of comment that none of the eight kinds names, di modo, the
//   kind that gathers the adverbs of manner and judgement. "ci" and "vi"
//   before "andare" ("io ci andrei", "vi andrò") stand for a place: di
//   luogo. "non" di negazione; "mai" ("non ubbidiva mai") di tempo, the
//   negation being "non"'s; "più" after "non" ("nessuno suona più", "non
//   prenderò più") di tempo: no longer. "molto" before an adjective ("molto
//   pesante"), "moltissimo", "troppo" di quantità; "ancora" ("restammo
//   ancora", "ho dimenticato ancora") di tempo; "proprio", "davvero",
//   "certamente" di affermazione, also where they strengthen ("davvero
//   bravi").
// - Prepositions: di, a, da, in, con, su, per, tra, fra and "d'" semplice;
//   joined to an article ("al", "sull'", "sugli") articolata; "senza" and
//   "sotto" impropria; "insieme con", one unit, locuzione.
// - Conjunctions: "e", "ma", "perciò", "quindi" coordinante; "che" opening
//   a clause ("ha detto che", "sembra che", "spero che"), "se" (both of
//   condition and of doubt), "mentre", "perché", "benché", "nonostante",
//   "poiché", "quando" subordinante; "così ... che" is one consecutive
//   conjunction in two units, both subordinante.
// - Exclamations: "Oh", "Ohibò", "Ahimè", "uffa", "Ehm", "Orsù" propria;
//   words of another part used as exclamations ("Accidenti", "Peccato",
//   "Evviva", from "viva") impropria; "Per Bacco!", "Povero me!" locuzione.
// tools/key_crosscheck.py checks the kinds where the analyser's tags carry
// them (all but adverbs and exclamations, and for prepositions only
// articolata or not): of 551 values, 409 agree, 140 are left open by the
// tags and 2 disagree, both kept there with their reasons ("chi" in a
// question interrogativo, "tanta cura" indefinito).

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
// The analysis of a unit of this part of speech, written as a collection
// line writes it after the part's abbreviation.
Features analysed(const char *part, const char *analysis)
{
    const collection::Line line = collection::parseLine(std::string("x = ") + part + " " + analysis, 0);
    if (line.kind != collection::Line::Kind::Sentence)
        throw std::logic_error(std::string(part) + " analysis \"" + analysis + "\": " + line.problem.text);
    return line.units.front().features;
}
Features n(const char *analysis) { return analysed("nome", analysis); }
Features a(const char *analysis) { return analysed("agg", analysis); }
Features p(const char *analysis) { return analysed("pron", analysis); }
Features v(const char *analysis) { return analysed("verbo", analysis); }
Features avv(const char *analysis) { return analysed("avv", analysis); }
Features prep(const char *analysis) { return analysed("prep", analysis); }
Features cong(const char *analysis) { return analysed("cong", analysis); }
Features escl(const char *analysis) { return analysed("escl", analysis); }

}  // namespace

const std::vector<SentenceSource> &sentenceSources()
{
    static const std::vector<SentenceSource> sentences = {
        {0, 19, {{
            {" Era  ", 5, v("essere ind imperfetto 3 s att intr")}, {" presto, ", 6, avv("tempo")}, {" perciò ", 8, cong("coord")}, {"restammo", 5, v("restare ind passato-remoto 1 p att intr")},
            {"ancora  ", 6, avv("tempo")}, {"qualche", 3, a("indef m s")}, {"minuto ", 2, n("comune m s")}, {"per  ", 7, prep("semplice")},
            {"parlare  ", 5, v("parlare inf presente att intr")}, {"delle  ", 7, prep("art")}, {"vacanze,   ", 2, n("comune f p")}, {"trascorse  ", 5, v("trascorrere part passato pass tr")},
            {"insieme con ", 7, prep("locuzione")}, {"altri   ", 3, a("indef m p")}, {"comuni  ", 3, a("qual pos m p")}, {"amici, ", 2, n("comune m p")},
            {"la ", 1, detFS}, {"scorsa  ", 3, a("qual pos f s")}, {"estate.  ", 2, n("comune f s")},
            {" ", 0}, {" ", 0}, {"", 0},
        }}},
        {1, 22, {{
            {" Mentre  ", 8, cong("sub")}, {"andavamo    ", 5, v("andare ind imperfetto 1 p att intr")}, {"al    ", 7, prep("art")}, {"mare,   ", 2, n("comune m s")},
            {"mio   ", 3, a("poss m s")}, {"nonno    ", 2, n("comune m s")}, {"si è fermato    ", 5, v("fermarsi ind passato-prossimo 3 s rifl")}, {"perché    ", 8, cong("sub")},
            {"un  ", 1, indMS}, {"grosso   ", 3, a("qual pos m s")}, {"cervo     ", 2, n("comune m s")}, {"attraversava   ", 5, v("attraversare ind imperfetto 3 s att tr")},
            {"lentamente    ", 6, avv("modo")}, {"la  ", 1, detFS}, {"strada  ", 2, n("comune f s")}, {"di    ", 7, prep("semplice")},
            {"montagna    ", 2, n("comune f s")}, {"con   ", 7, prep("semplice")}, {"i     ", 1, detMP}, {"suoi    ", 3, a("poss m p")},
            {"due  ", 3, a("num m p")}, {"cerbiatti.   ", 2, n("comune m p")},
        }}},
        {2, 21, {{
            {"Nel  ", 7, prep("art")}, {"silenzio  ", 2, n("comune m s")}, {"della   ", 7, prep("art")}, {"notte    ", 2, n("comune f s")},
            {"si sentiva  ", 5, v("sentire ind imperfetto 3 s pass tr")}, {"il   ", 1, detMS}, {"canto   ", 2, n("comune m s")}, {"lontano   ", 3, a("qual pos m s")},
            {"di    ", 7, prep("semplice")}, {"qualche    ", 3, a("indef m s")}, {"gufo,   ", 2, n("comune m s")}, {"ma  ", 8, cong("coord")},
            {"noi    ", 4, p("pers 1 m p")}, {"non     ", 6, avv("negazione")}, {"avevamo     ", 5, v("avere ind imperfetto 1 p att tr")}, {"paura    ", 2, n("comune f s")},
            {"e    ", 8, cong("coord")}, {"ci siamo addormentati   ", 5, v("addormentarsi ind passato-prossimo 1 p rifl")}, {"subito  ", 6, avv("tempo")}, {"nella    ", 7, prep("art")},
            {"tenda.   ", 2, n("comune f s")},
            {" ", 0},
        }}},
        {3, 20, {{
            {"I   ", 1, detMP}, {"miei    ", 3, a("poss m p")}, {"amici   ", 2, n("comune m p")}, {"e   ", 8, cong("coord")},
            {"io   ", 4, p("pers 1 s")}, {"abbiamo preparato   ", 5, v("preparare ind passato-prossimo 1 p att tr")}, {"una    ", 1, indFS}, {"grande     ", 3, a("qual pos f s")},
            {"festa  ", 2, n("comune f s")}, {"per     ", 7, prep("semplice")}, {"salutare    ", 5, v("salutare inf presente att tr")}, {"la  ", 1, detFS},
            {"nostra    ", 3, a("poss f s")}, {"cara   ", 3, a("qual pos f s")}, {"maestra,    ", 2, n("comune f s")}, {"la quale     ", 4, p("rel f s")},
            {"presto    ", 6, avv("tempo")}, {"andrà  ", 5, v("andare ind futuro 3 s att intr")}, {"in     ", 7, prep("semplice")}, {"pensione.    ", 2, n("comune f s")},
            {"", 0}, {"  ", 0},
        }}},
        {4, 22, {{
            {"Benché    ", 8, cong("sub")}, {"lo", 4, p("pers 3 m s")}, {"addestrassero  ", 5, v("addestrare cong imperfetto 3 p att tr")}, {"ogni  ", 3, a("indef m s")},
            {"giorno    ", 2, n("comune m s")}, {"con    ", 7, prep("semplice")}, {"molta   ", 3, a("indef f s")}, {"pazienza,     ", 2, n("comune f s")},
            {"il  ", 1, detMS}, {"cane     ", 2, n("comune m s")}, {"dei     ", 7, prep("art")}, {"nostri   ", 3, a("poss m p")},
            {"nuovi    ", 3, a("qual pos m p")}, {"vicini   ", 2, n("comune m p")}, {"non   ", 6, avv("negazione")}, {"ubbidiva  ", 5, v("ubbidire ind imperfetto 3 s att intr")},
            {"mai    ", 6, avv("tempo")}, {"ai   ", 7, prep("art")}, {"comandi  ", 2, n("comune m p")}, {"del   ", 7, prep("art")},
            {"suo   ", 3, a("poss m s")}, {"padrone.    ", 2, n("comune m s")},
        }}},
        {5, 22, {{
            {"Nonostante    ", 8, cong("sub")}, {"sia venuto   ", 5, v("venire cong passato 3 s att intr")}, {"presto,    ", 6, avv("tempo")}, {"mio  ", 3, a("poss m s")},
            {"cugino   ", 2, n("comune m s")}, {"non   ", 6, avv("negazione")}, {"ha trovato  ", 5, v("trovare ind passato-prossimo 3 s att tr")}, {"i   ", 1, detMP},
            {"biglietti   ", 2, n("comune m p")}, {"per  ", 7, prep("semplice")}, {"il    ", 1, detMS}, {"concerto  ", 2, n("comune m s")},
            {"di   ", 7, prep("semplice")}, {"domenica,    ", 2, n("comune f s")}, {"quindi    ", 8, cong("coord")}, {"è tornato   ", 5, v("tornare ind passato-prossimo 3 s att intr")},
            {"a  ", 7, prep("semplice")}, {"casa   ", 2, n("comune f s")}, {"senza    ", 7, prep("impropria")}, {"parlare    ", 5, v("parlare inf presente att intr")},
            {"con  ", 7, prep("semplice")}, {"nessuno.     ", 4, p("indef m s")},
        }}},
        {6, 21, {{
            {"Inghiottendo  ", 5, v("inghiottire ger presente att tr")}, {"quella    ", 3, a("dim f s")}, {"medicina,  ", 2, n("comune f s")}, {"mio  ", 3, a("poss m s")},
            {"fratello   ", 2, n("comune m s")}, {"fece   ", 5, v("fare ind passato-remoto 3 s att tr")}, {"una   ", 1, indFS}, {"smorfia  ", 2, n("comune f s")},
            {"così (...che )   ", 8, cong("sub")}, {"buffa    ", 3, a("qual pos f s")}, {"che    ", 8, cong("sub")}, {"noi   ", 4, p("pers 1 p")},
            {"ridemmo,   ", 5, v("ridere ind passato-remoto 1 p att intr")}, {"ma   ", 8, cong("coord")}, {"lui    ", 4, p("pers 3 m s")}, {"si arrabbiò  ", 5, v("arrabbiarsi ind passato-remoto 3 s rifl")},
            {"moltissimo   ", 6, avv("quantità")}, {"e  ", 8, cong("coord")}, {"se ne andò  ", 5, v("andarsene ind passato-remoto 3 s rifl")}, {"in    ", 7, prep("semplice")},
            {"camera.     ", 2, n("comune f s")},
            {"", 0},
        }}},
        {7, 19, {{
            {"In  ", 7, prep("semplice")}, {"mattinata,    ", 2, n("comune f s")}, {"elaborati    ", 5, v("elaborare part passato pass tr")}, {"i    ", 1, detMP},
            {"punteggi,  ", 2, n("comune m p")}, {"la   ", 1, detFS}, {"professoressa  ", 2, n("comune f s")}, {"è venuta    ", 5, v("venire ind passato-prossimo 3 s att intr")},
            {"per   ", 7, prep("semplice")}, {"mostrar-  ", 5, v("mostrare inf presente att tr")}, {"ci   ", 4, p("pers 1 p")}, {"i   ", 1, detMP},
            {"voti   ", 2, n("comune m p")}, {"e    ", 8, cong("coord")}, {"ci   ", 4, p("pers 1 p")}, {"ha detto    ", 5, v("dire ind passato-prossimo 3 s att tr")},
            {"che    ", 8, cong("sub")}, {"eravamo stati  ", 5, v("essere ind trapassato-prossimo 1 p att intr")}, {"bravi.    ", 3, a("qual pos m p")},
            {"   ", 0}, {" ", 0}, {"  ", 0},
        }}},
        {8, 22, {{
            {"Il   ", 1, detMS}, {"mio  ", 3, a("poss m s")}, {"amico   ", 2, n("comune m s")}, {"mi  ", 4, p("pers 1 s")},
            {"ha invitato  ", 5, v("invitare ind passato-prossimo 3 s att tr")}, {"in   ", 7, prep("semplice")}, {"campagna;   ", 2, n("comune f s")}, {"io    ", 4, p("pers 1 s")},
            {"ci    ", 6, avv("luogo")}, {"andrei   ", 5, v("andare cond presente 1 s att intr")}, {"con    ", 7, prep("semplice")}, {"molto    ", 3, a("indef m s")},
            {"piacere,    ", 2, n("comune m s")}, {"ma     ", 8, cong("coord")}, {"non     ", 6, avv("negazione")}, {"posso     ", 5, v("potere ind presente 1 s att")},
            {"attualmente;  ", 6, avv("tempo")}, {"vi   ", 6, avv("luogo")}, {"andrò   ", 5, v("andare ind futuro 1 s att intr")}, {"il   ", 1, detMS},
            {"prossimo    ", 3, a("qual pos m s")}, {"mese.    ", 2, n("comune m s")},
        }}},
        {9, 21, {{
            {"Lassù,   ", 6, avv("luogo")}, {"sull'  ", 7, prep("art")}, {"alta  ", 3, a("qual pos f s")}, {"torre    ", 2, n("comune f s")},
            {"del  ", 7, prep("art")}, {"vecchio    ", 3, a("qual pos m s")}, {"castello,    ", 2, n("comune m s")}, {"si trova  ", 5, v("trovarsi ind presente 3 s rifl")},
            {"una  ", 1, indFS}, {"grande   ", 3, a("qual pos f s")}, {"campana     ", 2, n("comune f s")}, {"che   ", 4, p("rel")},
            {"ormai   ", 6, avv("tempo")}, {"nessuno   ", 4, p("indef m s")}, {"suona    ", 5, v("suonare ind presente 3 s att tr")}, {"più,   ", 6, avv("tempo")},
            {"perché,   ", 8, cong("sub")}, {"essendo  ", 5, v("essere ger presente att intr")}, {"molto   ", 6, avv("quantità")}, {"pesante,   ", 3, a("qual pos f s")},
            {"potrebbe cadere.   ", 5, v("cadere cond presente 3 s att intr")},
            {" ", 0},
        }}},
        {10, 20, {{
            {"Ti   ", 4, p("pers 2 s")}, {"ho detto    ", 5, v("dire ind passato-prossimo 1 s att tr")}, {"di    ", 7, prep("semplice")}, {"non    ", 6, avv("negazione")},
            {"disturbare     ", 5, v("disturbare inf presente att tr")}, {"tuo   ", 3, a("poss m s")}, {"fratello    ", 2, n("comune m s")}, {"mentre     ", 8, cong("sub")},
            {"studia,  ", 5, v("studiare ind presente 3 s att")}, {"per  ", 7, prep("semplice")}, {"non   ", 6, avv("negazione")}, {"crear-  ", 5, v("creare inf presente att tr")},
            {"gli", 4, p("pers 3 m s")}, {"distrazioni,  ", 2, n("comune f p")}, {"ma  ", 8, cong("coord")}, {"non    ", 6, avv("negazione")},
            {"ascolti    ", 5, v("ascoltare ind presente 2 s att tr")}, {"i   ", 1, detMP}, {"miei    ", 3, a("poss m p")}, {"consigli!    ", 2, n("comune m p")},
            {" ", 0}, {"", 0},
        }}},
        {11, 21, {{
            {"Per   ", 7, prep("semplice")}, {"i   ", 1, detMP}, {"reati  ", 2, n("comune m p")}, {"di    ", 7, prep("semplice")},
            {"cui   ", 4, p("rel")}, {"era accusato,  ", 5, v("accusare ind imperfetto 3 s pass tr")}, {"il    ", 1, detMS}, {"giudice  ", 2, n("comune m s")},
            {"lo    ", 4, p("pers 3 m s")}, {"ha condannato,   ", 5, v("condannare ind passato-prossimo 3 s att tr")}, {"ma  ", 8, cong("coord")}, {"il  ", 1, detMS},
            {"suo   ", 3, a("poss m s")}, {"avvocato,    ", 2, n("comune m s")}, {"per  ", 7, prep("semplice")}, {"dimostrare  ", 5, v("dimostrare inf presente att tr")},
            {"che   ", 8, cong("sub")}, {"è   ", 5, v("essere ind presente 3 s att intr")}, {"innocente,  ", 3, a("qual pos m s")}, {"presenterà    ", 5, v("presentare ind futuro 3 s att tr")},
            {"ricorso.     ", 2, n("comune m s")},
            {" ", 0},
        }}},
        {12, 20, {{
            {"Per   ", 7, prep("semplice")}, {"avidità", 2, n("comune f s")}, {"molti  ", 3, a("indef m p")}, {"commercianti     ", 2, n("comune m p")},
            {"cercano di ottenere    ", 5, v("ottenere ind presente 3 p att tr")}, {"grandi  ", 3, a("qual pos m p")}, {"guadagni   ", 2, n("comune m p")}, {"e   ", 8, cong("coord")},
            {"spesso   ", 6, avv("tempo")}, {"non   ", 6, avv("negazione")}, {"si preoccupano    ", 5, v("preoccuparsi ind presente 3 p rifl")}, {"se  ", 8, cong("sub")},
            {"i     ", 1, detMP}, {"loro   ", 3, a("poss m p")}, {"prodotti    ", 2, n("comune m p")}, {"sono  ", 5, v("essere ind presente 3 p att intr")},
            {"dannosi  ", 3, a("qual pos m p")}, {"per    ", 7, prep("semplice")}, {"la   ", 1, detFS}, {"salute.   ", 2, n("comune f s")},
            {" ", 0}, {"   ", 0},
        }}},
        {13, 21, {{
            {"Abbiamo fatto    ", 5, v("fare ind passato-prossimo 1 p att tr")}, {"tanti  ", 3, a("indef m p")}, {"sacrifici    ", 2, n("comune m p")}, {"per    ", 7, prep("semplice")},
            {"quella   ", 3, a("dim f s")}, {"casa    ", 2, n("comune f s")}, {"al   ", 7, prep("art")}, {"mare,   ", 2, n("comune m s")},
            {"ma    ", 8, cong("coord")}, {"comperando-   ", 5, v("comperare ger presente att tr")}, {"la   ", 4, p("pers 3 f s")}, {"abbiamo realizzato    ", 5, v("realizzare ind passato-prossimo 1 p att tr")},
            {"un    ", 1, indMS}, {"vecchio     ", 3, a("qual pos m s")}, {"sogno   ", 2, n("comune m s")}, {"e    ", 8, cong("coord")},
            {"ora   ", 6, avv("tempo")}, {"ci  ", 6, avv("luogo")}, {"andiamo  ", 5, v("andare ind presente 1 p att intr")}, {"ogni    ", 3, a("indef f s")},
            {"estate.    ", 2, n("comune f s")},
            {" ", 0},
        }}},
        {14, 22, {{
            {"Sembra     ", 5, v("sembrare ind presente 3 s att intr")}, {"che   ", 8, cong("sub")}, {"la     ", 1, detFS}, {"pioggia    ", 2, n("comune f s")},
            {"di    ", 7, prep("semplice")}, {"questa   ", 3, a("dim f s")}, {"notte   ", 2, n("comune f s")}, {"abbia allagato   ", 5, v("allagare cong passato 3 s att tr")},
            {"molte   ", 3, a("indef f p")}, {"strade  ", 2, n("comune f p")}, {"del   ", 7, prep("art")}, {"centro  ", 2, n("comune m s")},
            {"storico,  ", 3, a("qual pos m s")}, {" perciò  ", 8, cong("coord")}, {"il    ", 1, detMS}, {"sindaco    ", 2, n("comune m s")},
            {"ha deciso    ", 5, v("decidere ind passato-prossimo 3 s att tr")}, {"di   ", 7, prep("semplice")}, {"chiudere     ", 5, v("chiudere inf presente att tr")}, {"tutte    ", 3, a("indef f p")},
            {"le   ", 1, detFP}, {"scuole.  ", 2, n("comune f p")},
        }}},
        {15, 21, {{
            {"La     ", 1, detFS}, {"società    ", 2, n("comune f s")}, {"del  ", 7, prep("art")}, {"nostro  ", 3, a("poss m s")},
            {"quartiere  ", 2, n("comune m s")}, {"ha organizzato   ", 5, v("organizzare ind passato-prossimo 3 s att tr")}, {"un  ", 1, indMS}, {"grande   ", 3, a("qual pos m s")},
            {"torneo    ", 2, n("comune m s")}, {"di     ", 7, prep("semplice")}, {"calcio,  ", 2, n("comune m s")}, {"e   ", 8, cong("coord")},
            {"chi    ", 4, p("rel s")}, {"vincerà    ", 5, v("vincere ind futuro 3 s att")}, {"riceverà   ", 5, v("ricevere ind futuro 3 s att tr")}, {"in   ", 7, prep("semplice")},
            {"premio   ", 2, n("comune m s")}, {"una   ", 1, indFS}, {"coppa  ", 2, n("comune f s")}, {"d'", 7, prep("semplice")},
            {"argento.   ", 2, n("comune m s")},
            {" ", 0},
        }}},
        {16, 17, {{
            {"Con  ", 7, prep("semplice")}, {"questa  ", 3, a("dim f s")}, {"bicicletta,  ", 2, n("comune f s")}, {"che  ", 4, p("rel")},
            {"mio    ", 3, a("poss m s")}, {"padre   ", 2, n("comune m s")}, {"mi   ", 4, p("pers 1 s")}, {"ha regalato,    ", 5, v("regalare ind passato-prossimo 3 s att tr")},
            {"andrò  ", 5, v("andare ind futuro 1 s att intr")}, {"a    ", 7, prep("semplice")}, {"scuola    ", 2, n("comune f s")}, {"e   ", 8, cong("coord")},
            {"non     ", 6, avv("negazione")}, {"prenderò  ", 5, v("prendere ind futuro 1 s att tr")}, {"più  ", 6, avv("tempo")}, {"l'   ", 1, detMS},
            {"autobus.     ", 2, n("comune m s")},
            {" ", 0}, {"  ", 0}, {"  ", 0}, {"", 0}, {"   ", 0},
        }}},
        {17, 22, {{
            {"Accidenti,   ", 9, escl("impropria")}, {"ha esclamato    ", 5, v("esclamare ind passato-prossimo 3 s att tr")}, {"mio   ", 3, a("poss m s")}, {"nonno  ", 2, n("comune m s")},
            {"sospirando,  ", 5, v("sospirare ger presente att intr")}, {"ho dimenticato  ", 5, v("dimenticare ind passato-prossimo 1 s att tr")}, {"ancora  ", 6, avv("tempo")}, {"gli    ", 1, detMP},
            {"occhiali  ", 2, n("comune m p")}, {"a   ", 7, prep("semplice")}, {"casa  ", 2, n("comune f s")}, {"e    ", 8, cong("coord")},
            {"ora    ", 6, avv("tempo")}, {"non  ", 6, avv("negazione")}, {"posso leggere    ", 5, v("leggere ind presente 1 s att tr")}, {"il  ", 1, detMS},
            {"giornale    ", 2, n("comune m s")}, {"che   ", 4, p("rel")}, {"tu  ", 4, p("pers 2 s")}, {"mi   ", 4, p("pers 1 s")},
            {"hai portato     ", 5, v("portare ind passato-prossimo 2 s att tr")}, {"stamattina!      ", 6, avv("tempo")},
        }}},
        {18, 21, {{
            {"L'  ", 1, detMS}, {"uomo,    ", 2, n("comune m s")}, {"che    ", 4, p("rel")}, {"si è potuto incontrare  ", 5, v("incontrarsi ind passato-prossimo 3 s rifl")},
            {"con   ", 7, prep("semplice")}, {"il   ", 1, detMS}, {"sindaco,    ", 2, n("comune m s")}, {"gli   ", 4, p("pers 3 m s")},
            {"ha spiegato     ", 5, v("spiegare ind passato-prossimo 3 s att tr")}, {"che   ", 8, cong("sub")}, {"la  ", 1, detFS}, {"fabbrica  ", 2, n("comune f s")},
            {"chiuderà   ", 5, v("chiudere ind futuro 3 s att intr")}, {"presto   ", 6, avv("tempo")}, {"e  ", 8, cong("coord")}, {"che    ", 8, cong("sub")},
            {"molti    ", 3, a("indef m p")}, {"operai   ", 2, n("comune m p")}, {"purtroppo   ", 6, avv("modo")}, {"resteranno  ", 5, v("restare ind futuro 3 p att intr")},
            {"disoccupati.   ", 3, a("qual pos m p")},
            {" ", 0},
        }}},
        {19, 16, {{
            {"Poiché   ", 8, cong("sub")}, {"ti  ", 4, p("pers 2 s")}, {"ho prestato     ", 5, v("prestare ind passato-prossimo 1 s att tr")}, {"il   ", 1, detMS},
            {"mio   ", 3, a("poss m s")}, {"libro,   ", 2, n("comune m s")}, {"spero  ", 5, v("sperare ind presente 1 s att tr")}, {"che    ", 8, cong("sub")},
            {"domani     ", 6, avv("tempo")}, {"tu    ", 4, p("pers 2 s")}, {"mi  ", 4, p("pers 1 s")}, {"presti  ", 5, v("prestare cong presente 2 s att tr")},
            {"qualche  ", 3, a("indef m s")}, {"fumetto", 2, n("comune m s")}, {"da  ", 7, prep("semplice")}, {"leggere.     ", 5, v("leggere inf presente att tr")},
            {" ", 0}, {"", 0}, {"", 0}, {" ", 0}, {" ", 0}, {" ", 0},
        }}},
        {20, 22, {{
            {"Ohibò,  ", 9, escl("propria")}, {"disse     ", 5, v("dire ind passato-remoto 3 s att tr")}, {"la    ", 1, detFS}, {"maestra,  ", 2, n("comune f s")},
            {"chi  ", 4, p("interr s")}, {"ha scritto   ", 5, v("scrivere ind passato-prossimo 3 s att tr")}, {"queste    ", 3, a("dim f p")}, {"brutte     ", 3, a("qual pos f p")},
            {"parole   ", 2, n("comune f p")}, {"sulla  ", 7, prep("art")}, {"lavagna?  ", 2, n("comune f s")}, {"Se     ", 8, cong("sub")},
            {"nessuno   ", 4, p("indef m s")}, {"lo   ", 4, p("pers 3 m s")}, {"confessa   ", 5, v("confessare ind presente 3 s att tr")}, {"subito,  ", 6, avv("tempo")},
            {"resterete   ", 5, v("restare ind futuro 2 p att intr")}, {"in    ", 7, prep("semplice")}, {"classe   ", 2, n("comune f s")}, {"senza    ", 7, prep("impropria")},
            {"fare    ", 5, v("fare inf presente att tr")}, {"ricreazione.      ", 2, n("comune f s")},
        }}},
        {21, 19, {{
            {"I   ", 1, detMP}, {"due", 3, a("num m p")}, {"uomini,   ", 2, n("comune m p")}, {"che    ", 4, p("rel")},
            {"non    ", 6, avv("negazione")}, {"si vedevano    ", 5, v("vedersi ind imperfetto 3 p rifl")}, {"da  ", 7, prep("semplice")}, {"molti   ", 3, a("indef m p")},
            {"anni,   ", 2, n("comune m p")}, {"si abbracciarono    ", 5, v("abbracciarsi ind passato-remoto 3 p rifl")}, {"con     ", 7, prep("semplice")}, {"gioia   ", 2, n("comune f s")},
            {"e   ", 8, cong("coord")}, {"poi  ", 6, avv("tempo")}, {"andarono     ", 5, v("andare ind passato-remoto 3 p att intr")}, {"in    ", 7, prep("semplice")},
            {"trattoria   ", 2, n("comune f s")}, {"per   ", 7, prep("semplice")}, {"festeggiare.   ", 5, v("festeggiare inf presente att")},
            {"  ", 0}, {" ", 0}, {" ", 0},
        }}},
        {22, 19, {{
            {"Gli   ", 1, detMP}, {"uccelli  ", 2, n("comune m p")}, {"cantavano  ", 5, v("cantare ind imperfetto 3 p att")}, {" già   ", 6, avv("tempo")},
            {"sugli   ", 7, prep("art")}, {"alberi   ", 2, n("comune m p")}, {"quando  ", 8, cong("sub")}, {"mia    ", 3, a("poss f s")},
            {"nonna   ", 2, n("comune f s")}, {"uscì   ", 5, v("uscire ind passato-remoto 3 s att intr")}, {"in   ", 7, prep("semplice")}, {"giardino;    ", 2, n("comune m s")},
            {"noi   ", 4, p("pers 1 p")}, {"la   ", 4, p("pers 3 f s")}, {"salutammo   ", 5, v("salutare ind passato-remoto 1 p att tr")}, {"e  ", 8, cong("coord")},
            {"lei   ", 4, p("pers 3 f s")}, {"rispose    ", 5, v("rispondere ind passato-remoto 3 s att intr")}, {"sorridendo.   ", 5, v("sorridere ger presente att intr")},
            {"  ", 0}, {" ", 0}, {"", 0},
        }}},
        {23, 20, {{
            {"Per Bacco!", 9, escl("locuzione")}, {"Questa    ", 4, p("dim f s")}, {"è    ", 5, v("essere ind presente 3 s att intr")}, {"proprio    ", 6, avv("affermazione")},
            {"una  ", 1, indFS}, {"bella  ", 3, a("qual pos f s")}, {"sorpresa:  ", 2, n("comune f s")}, {"non  ", 6, avv("negazione")},
            {"mi aspettavo    ", 5, v("aspettarsi ind imperfetto 1 s rifl")}, {"davvero  ", 6, avv("affermazione")}, {"di    ", 7, prep("semplice")}, {"trovare   ", 5, v("trovare inf presente att tr")},
            {"qui   ", 6, avv("luogo")}, {"tutti  ", 3, a("indef m p")}, {"i   ", 1, detMP}, {"miei    ", 3, a("poss m p")},
            {"vecchi     ", 3, a("qual pos m p")}, {"compagni  ", 2, n("comune m p")}, {"di    ", 7, prep("semplice")}, {"scuola.  ", 2, n("comune f s")},
            {"", 0}, {"", 0},
        }}},
        {24, 21, {{
            {"Oh!    ", 9, escl("propria")}, {"Che    ", 3, a("esclam f s")}, {"bella  ", 3, a("qual pos f s")}, {"giornata:  ", 2, n("comune f s")},
            {"il  ", 1, detMS}, {"sole  ", 2, n("comune m s")}, {"splende  ", 5, v("splendere ind presente 3 s att intr")}, {"e   ", 8, cong("coord")},
            {"possiamo andare  ", 5, v("andare ind presente 1 p att intr")}, {"al    ", 7, prep("art")}, {"lago   ", 2, n("comune m s")}, {"con    ", 7, prep("semplice")},
            {"mio  ", 3, a("poss m s")}, {"zio,     ", 2, n("comune m s")}, {"che   ", 4, p("rel")}, {"ci    ", 4, p("pers 1 p")},
            {"porterà  ", 5, v("portare ind futuro 3 s att tr")}, {"a   ", 7, prep("semplice")}, {"pescare  ", 5, v("pescare inf presente att")}, {"in   ", 7, prep("semplice")},
            {"barca.  ", 2, n("comune f s")},
            {"  ", 0},
        }}},
        {25, 19, {{
            {"Orsù!  ", 9, escl("propria")}, {"Non    ", 6, avv("negazione")}, {"scoraggiatevi,    ", 5, v("scoraggiarsi imper presente 2 p rifl")}, {"ragazzi:", 2, n("comune m p")},
            {"se    ", 8, cong("sub")}, {"vi allenerete    ", 5, v("allenarsi ind futuro 2 p rifl")}, {"con    ", 7, prep("semplice")}, {"impegno,  ", 2, n("comune m s")},
            {"vincerete  ", 5, v("vincere ind futuro 2 p att tr")}, {"certamente   ", 6, avv("affermazione")}, {"la    ", 1, detFS}, {"prossima  ", 3, a("qual pos f s")},
            {"partita     ", 2, n("comune f s")}, {"e     ", 8, cong("coord")}, {"tutti  ", 3, a("indef m p")}, {"i   ", 1, detMP},
            {"compagni    ", 2, n("comune m p")}, {"vi  ", 4, p("pers 2 p")}, {"applaudiranno.  ", 5, v("applaudire ind futuro 3 p att tr")},
            {" ", 0}, {" ", 0}, {" ", 0},
        }}},
        {26, 22, {{
            {"Povero me!   ", 9, escl("locuzione")}, {"Ho rotto    ", 5, v("rompere ind passato-prossimo 1 s att tr")}, {"la  ", 1, detFS}, {"chitarra   ", 2, n("comune f s")},
            {"nuova   ", 3, a("qual pos f s")}, {"di  ", 7, prep("semplice")}, {"mio     ", 3, a("poss m s")}, {"cugino:     ", 2, n("comune m s")},
            {"lui    ", 4, p("pers 3 m s")}, {"non   ", 6, avv("negazione")}, {"voleva prestar-  ", 5, v("prestare ind imperfetto 3 s att tr")}, {"me-    ", 4, p("pers 1 s")},
            {"la,   ", 4, p("pers 3 f s")}, {"e  ", 8, cong("coord")}, {"adesso  ", 6, avv("tempo")}, {"dovrò pagare   ", 5, v("pagare ind futuro 1 s att tr")},
            {"la    ", 1, detFS}, {"riparazione   ", 2, n("comune f s")}, {"con   ", 7, prep("semplice")}, {"i   ", 1, detMP},
            {"miei    ", 3, a("poss m p")}, {"risparmi.    ", 2, n("comune m p")},
        }}},
        {27, 21, {{
            {"Ahimè,  ", 9, escl("propria")}, {"mi sono dimenticato    ", 5, v("dimenticarsi ind passato-prossimo 1 s rifl")}, {"di    ", 7, prep("semplice")}, {"portare  ", 5, v("portare inf presente att tr")},
            {"il  ", 1, detMS}, {"regalo  ", 2, n("comune m s")}, {"per    ", 7, prep("semplice")}, {"Giulia,     ", 2, n("proprio f s")},
            {"che  ", 4, p("rel")}, {"oggi    ", 6, avv("tempo")}, {"compie    ", 5, v("compiere ind presente 3 s att tr")}, {"dodici   ", 3, a("num m p")},
            {"anni:  ", 2, n("comune m p")}, {"uffa,    ", 9, escl("propria")}, {"è   ", 5, v("essere ind presente 3 s att intr")}, {"troppo   ", 6, avv("quantità")},
            {"tardi  ", 6, avv("tempo")}, {"per   ", 7, prep("semplice")}, {"tornare     ", 5, v("tornare inf presente att intr")}, {"a   ", 7, prep("semplice")},
            {"casa!    ", 2, n("comune f s")},
            {"  ", 0},
        }}},
        {28, 22, {{
            {"Peccato!  ", 9, escl("impropria")}, {"Ormai   ", 6, avv("tempo")}, {"l'   ", 1, detMS}, {"ultimo   ", 3, a("qual pos m s")},
            {"autobus  ", 2, n("comune m s")}, {"è partito:    ", 5, v("partire ind passato-prossimo 3 s att intr")}, {"io   ", 4, p("pers 1 s")}, {"e   ", 8, cong("coord")},
            {"mia  ", 3, a("poss f s")}, {"sorella    ", 2, n("comune f s")}, {"dovremo aspettare   ", 5, v("aspettare ind futuro 1 p att")}, {"tremando  ", 5, v("tremare ger presente att intr")},
            {"sotto    ", 7, prep("impropria")}, {"la   ", 1, detFS}, {"pioggia    ", 2, n("comune f s")}, {"gelida,  ", 3, a("qual pos f s")},
            {"sperando     ", 5, v("sperare ger presente att tr")}, {"che   ", 8, cong("sub")}, {"nostra  ", 3, a("poss f s")}, {"madre    ", 2, n("comune f s")},
            {"arrivi  ", 5, v("arrivare cong presente 3 s att intr")}, {"presto.  ", 6, avv("tempo")},
        }}},
        {29, 19, {{
            {"Un   ", 1, indMS}, {"improvviso     ", 3, a("qual pos m s")}, {"acquazzone,   ", 2, n("comune m s")}, {"che    ", 4, p("rel")},
            {"nessuno  ", 4, p("indef m s")}, {"aveva previsto,     ", 5, v("prevedere ind trapassato-prossimo 3 s att tr")}, {"ha rovinato    ", 5, v("rovinare ind passato-prossimo 3 s att tr")}, {" completamente  ", 6, avv("modo")},
            {"la    ", 1, detFS}, {"festa   ", 2, n("comune f s")}, {"che  ", 4, p("rel")}, {"avevamo preparato   ", 5, v("preparare ind trapassato-prossimo 1 p att tr")},
            {"con   ", 7, prep("semplice")}, {"tanta    ", 3, a("indef f s")}, {"cura   ", 2, n("comune f s")}, {"nel  ", 7, prep("art")},
            {"nostro  ", 3, a("poss m s")}, {"bel    ", 3, a("qual pos m s")}, {"giardino.  ", 2, n("comune m s")},
            {"", 0}, {" ", 0}, {" ", 0},
        }}},
        {30, 20, {{
            {"Quando  ", 8, cong("sub")}, {"ebbe superato  ", 5, v("superare ind trapassato-remoto 3 s att tr")}, {"il   ", 1, detMS}, {"ponte  ", 2, n("comune m s")},
            {"e   ", 8, cong("coord")}, {"(ebbe)notato  ", 5, v("notare ind trapassato-remoto 3 s att tr")}, {"la    ", 1, detFS}, {"frana,   ", 2, n("comune f s")},
            {"il   ", 1, detMS}, {"nostro   ", 3, a("poss m s")}, {"autista   ", 2, n("comune m s")}, {"si fermò  ", 5, v("fermarsi ind passato-remoto 3 s rifl")},
            {"subito  ", 6, avv("tempo")}, {"e  ", 8, cong("coord")}, {"disse    ", 5, v("dire ind passato-remoto 3 s att tr")}, {"ai   ", 7, prep("art")},
            {"passeggeri", 2, n("comune m p")}, {"di    ", 7, prep("semplice")}, {"scendere  ", 5, v("scendere inf presente att intr")}, {"rapidamente.    ", 6, avv("modo")},
            {"  ", 0}, {" ", 0},
        }}},
        {31, 21, {{
            {"Evviva!    ", 9, escl("impropria")}, {"Siete stati   ", 5, v("essere ind passato-prossimo 2 p att intr")}, {"davvero   ", 6, avv("affermazione")}, {"bravi,    ", 3, a("qual pos m p")},
            {"ragazzi:    ", 2, n("comune m p")}, {"la    ", 1, detFS}, {"nostra  ", 3, a("poss f s")}, {"classe   ", 2, n("comune f s")},
            {"ha vinto     ", 5, v("vincere ind passato-prossimo 3 s att tr")}, {"il     ", 1, detMS}, {"primo  ", 3, a("num m s")}, {"premio  ", 2, n("comune m s")},
            {"e     ", 8, cong("coord")}, {"il     ", 1, detMS}, {"preside   ", 2, n("comune m s")}, {"vi   ", 4, p("pers 2 p")},
            {"ha promesso   ", 5, v("promettere ind passato-prossimo 3 s att tr")}, {"un'    ", 1, indFS}, {"escursione   ", 2, n("comune f s")}, {"in   ", 7, prep("semplice")},
            {"montagna.        ", 2, n("comune f s")},
            {"   ", 0},
        }}},
        {32, 21, {{
            {"Ehm!   ", 9, escl("propria")}, {"Vorrei trattenermi    ", 5, v("trattenersi cond presente 1 s rifl")}, {"ancora   ", 6, avv("tempo")}, {"con   ", 7, prep("semplice")},
            {"voi,   ", 4, p("pers 2 p")}, {"ma,    ", 8, cong("coord")}, {"ahimè,  ", 9, escl("propria")}, {"mia   ", 3, a("poss f s")},
            {"madre    ", 2, n("comune f s")}, {"mi  ", 4, p("pers 1 s")}, {"aspetta   ", 5, v("aspettare ind presente 3 s att tr")}, {"per    ", 7, prep("semplice")},
            {"la  ", 1, detFS}, {"cena     ", 2, n("comune f s")}, {"e    ", 8, cong("coord")}, {"io    ", 4, p("pers 1 s")},
            {"le  ", 4, p("pers 3 f s")}, {"ho promesso   ", 5, v("promettere ind passato-prossimo 1 s att tr")}, {"di   ", 7, prep("semplice")}, {"tornare   ", 5, v("tornare inf presente att intr")},
            {"presto.   ", 6, avv("tempo")},
            {"  ", 0},
        }}},
    };
    return sentences;
}

}  // namespace engine
