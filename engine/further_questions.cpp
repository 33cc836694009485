#include "further_questions.h"

#include <algorithm>

namespace engine {

namespace {

// Hues that tell the groups of choices apart: the finite moods blue, the
// others orange; the simple tenses light green, the compound ones darker.
constexpr int kFinite = 0xA8C8FF, kIndefinite = 0xFFC890;
constexpr int kSimple = 0xC8FFC8, kCompound = 0x80D080;

std::vector<Choice> conjugations(const Features &f)
{
    const std::string of = f.lemma + ", ";
    return {{"Prima", 0xFFE0A0, of + "1ª coniugazione"},
            {"Seconda", 0xFFC8C8, of + "2ª coniugazione"},
            {"Terza", 0xE0C8FF, of + "3ª coniugazione"},
            {"Propria (essere, avere)", 0xE0E0E0, of + "coniugazione propria"}};
}

std::vector<Choice> moods(const Features &)
{
    return {{"Indicativo", kFinite, "indicativo"},     {"Congiuntivo", kFinite, "congiuntivo"},
            {"Condizionale", kFinite, "condizionale"}, {"Imperativo", kFinite, "imperativo"},
            {"Infinito", kIndefinite, "infinito"},     {"Participio", kIndefinite, "participio"},
            {"Gerundio", kIndefinite, "gerundio"}};
}

const char *tenseName(Tense t)
{
    switch (t) {
    case Tense::Presente: return "presente";
    case Tense::Imperfetto: return "imperfetto";
    case Tense::PassatoRemoto: return "passato remoto";
    case Tense::FuturoSemplice: return "futuro semplice";
    case Tense::PassatoProssimo: return "passato prossimo";
    case Tense::TrapassatoProssimo: return "trapassato prossimo";
    case Tense::TrapassatoRemoto: return "trapassato remoto";
    case Tense::FuturoAnteriore: return "futuro anteriore";
    case Tense::Passato: return "passato";
    case Tense::Trapassato: return "trapassato";
    case Tense::Unset: break;
    }
    return "";
}

bool isCompound(Mood m, Tense t)
{
    if (t == Tense::PassatoProssimo || t == Tense::TrapassatoProssimo || t == Tense::TrapassatoRemoto
        || t == Tense::FuturoAnteriore || t == Tense::Trapassato)
        return true;
    // The participle's past ("preparato") is one word.
    return t == Tense::Passato && m != Mood::Participio;
}

std::vector<Choice> tenses(const Features &f)
{
    std::vector<Choice> out;
    for (Tense t : tensesOf(f.mood)) {
        std::string caption = tenseName(t);
        caption[0] = char(caption[0] - 'a' + 'A');
        out.push_back({caption, isCompound(f.mood, t) ? kCompound : kSimple, tenseName(t)});
    }
    return out;
}

std::vector<Choice> persons(const Features &)
{
    return {{"Prima persona", 0xFFFFA0, "1ª persona"},
            {"Seconda persona", 0xFFE070, "2ª persona"},
            {"Terza persona", 0xFFC840, "3ª persona"}};
}

std::vector<Choice> numbers(const Features &)
{
    return {{"Singolare", 0xFFFFFF, "singolare"}, {"Plurale", 0xFFC0FF, "plurale"}};
}

std::vector<Choice> forms(const Features &)
{
    return {{"Attiva", 0xC0FFFF, "forma attiva"},
            {"Passiva", 0x90E0E0, "forma passiva"},
            {"Riflessiva", 0x60C8C8, "forma riflessiva"}};
}

std::vector<Choice> transitivities(const Features &)
{
    return {{"Transitivo", 0xF0D0A0, "transitivo"}, {"Intransitivo", 0xD8B080, "intransitivo"}};
}

int tenseChoice(const Features &f)
{
    int k = 1;
    for (Tense t : tensesOf(f.mood)) {
        if (t == f.tense)
            return k;
        ++k;
    }
    return 0;
}

int conjugationChoice(const Features &f) { return f.lemma.empty() ? 0 : int(conjugationOf(f.lemma)); }

// The kinds: one hue for the kinds a school grammar lists first, another for
// the rest (the determiners beside the qualifying adjective, the judging
// adverbs beside those of circumstance, ...). A locution's button says
// "Locuzione": the question names the part of speech.
constexpr int kKindA = 0xC0FFC0, kKindB = 0xFFFFC0, kKindC = 0xFFD8A8;

std::vector<Choice> articleKinds(const Features &)
{
    return {{"Determinativo", 0xC0FFC0, "Determinativo"},
            {"Indeterminativo", 0xFFFFC0, "Indeterminativo"},
            {"Partitivo", 0xAE8C62, "Partitivo"}};
}

std::vector<Choice> nounKinds(const Features &)
{
    return {{"Comune", kKindA, "comune"}, {"Proprio", kKindB, "proprio"}};
}

std::vector<Choice> adjectiveKinds(const Features &)
{
    return {{"Qualificativo", kKindA, "qualificativo"}, {"Possessivo", kKindB, "possessivo"},
            {"Dimostrativo", kKindB, "dimostrativo"},   {"Indefinito", kKindB, "indefinito"},
            {"Numerale", kKindB, "numerale"},           {"Interrogativo", kKindC, "interrogativo"},
            {"Esclamativo", kKindC, "esclamativo"}};
}

std::vector<Choice> degrees(const Features &)
{
    return {{"Positivo", 0xE8E8FF, "grado positivo"},
            {"Comparativo", 0xC8C8FF, "grado comparativo"},
            {"Superlativo", 0xA8A8FF, "grado superlativo"}};
}

std::vector<Choice> pronounKinds(const Features &)
{
    return {{"Personale", kKindA, "personale"},         {"Possessivo", kKindB, "possessivo"},
            {"Dimostrativo", kKindB, "dimostrativo"},   {"Indefinito", kKindB, "indefinito"},
            {"Relativo", kKindC, "relativo"},           {"Interrogativo", kKindC, "interrogativo"},
            {"Esclamativo", kKindC, "esclamativo"}};
}

std::vector<Choice> adverbKinds(const Features &)
{
    return {{"Di modo", kKindA, "di modo"},
            {"Di tempo", kKindA, "di tempo"},
            {"Di luogo", kKindA, "di luogo"},
            {"Di quantità", kKindA, "di quantità"},
            {"Di affermazione", kKindB, "di affermazione"},
            {"Di negazione", kKindB, "di negazione"},
            {"Di dubbio", kKindB, "di dubbio"},
            {"Interrogativo", kKindC, "interrogativo"}};
}

std::vector<Choice> prepositionKinds(const Features &)
{
    return {{"Semplice", kKindA, "semplice"},
            {"Articolata", kKindA, "articolata"},
            {"Impropria", kKindB, "impropria"},
            {"Locuzione", kKindC, "locuzione prepositiva"}};
}

std::vector<Choice> conjunctionKinds(const Features &)
{
    return {{"Coordinante", kKindA, "coordinante"}, {"Subordinante", kKindB, "subordinante"}};
}

std::vector<Choice> exclamationKinds(const Features &)
{
    return {{"Propria", kKindA, "propria"},
            {"Impropria", kKindB, "impropria"},
            {"Locuzione", kKindC, "locuzione esclamativa"}};
}

// Rows 10.. follow the verb's in the table (the history stores rows by their
// place) but are asked first: kind, then degree or person, then gender and
// number, then the verb's.
constexpr std::array<int, kFurtherQuestionCount> kAskingOrder = {0, 10, 11, 12, 13, 14, 15, 16, 17, 18,
                                                                 1, 2,  3,  4,  5,  6,  7,  8,  9};

int askingPosition(int question)
{
    for (int i = 0; i < kFurtherQuestionCount; ++i)
        if (kAskingOrder[std::size_t(i)] == question)
            return i;
    return kFurtherQuestionCount;
}

}  // namespace

const std::array<FurtherQuestion, kFurtherQuestionCount> kFurtherQuestions = {{
    {3, [](const Features &f) { return int(f.kind); }, takesArticleKind, 12, "Tipo di articolo",
     "Che tipo di articolo è?", "tipo", 0, articleKinds},
    {2, [](const Features &f) { return int(f.gender); }, takesGenderAndNumber, 13, "Genere",
     "È maschile o femminile?", "genere", 1, nullptr},
    {2, [](const Features &f) { return int(f.number); }, takesGenderAndNumber, 14, "Numero",
     "È singolare o plurale?", "numero", 2, nullptr},
    {4, conjugationChoice, takesVerbValues, 17, "Coniugazione", "Di quale coniugazione è?", "coniugazione", 3,
     conjugations},
    {7, [](const Features &f) { return int(f.mood); }, takesVerbValues, 18, "Modo del verbo", "In che modo è?",
     "modo", 4, moods},
    {8, tenseChoice, takesVerbValues, 19, "Tempo del verbo", "In che tempo è?", "tempo", 4, tenses},
    {3, [](const Features &f) { return int(f.person); }, takesVerbValues, 20, "Persona del verbo",
     "A quale persona è?", "persona", 5, persons},
    {2, [](const Features &f) { return int(f.verbNumber); }, takesVerbValues, 21, "Numero del verbo",
     "È singolare o plurale?", "numero", 5, numbers},
    {3, [](const Features &f) { return int(f.form); }, takesVerbValues, 22, "Forma del verbo", "In che forma è?",
     "forma", 6, forms},
    {2, [](const Features &f) { return int(f.transitivity); }, takesVerbValues, 23, "Transitivo o intransitivo",
     "È transitivo o intransitivo?", "transitività", 6, transitivities},
    {2, [](const Features &f) { return int(f.nounKind); }, takesNounKind, 24, "Tipo di nome", "Che tipo di nome è?",
     "tipo", 0, nounKinds},
    {7, [](const Features &f) { return int(f.adjectiveKind); }, takesAdjectiveKind, 25, "Tipo di aggettivo",
     "Che tipo di aggettivo è?", "tipo", 0, adjectiveKinds},
    {3, [](const Features &f) { return int(f.degree); }, takesAdjectiveKind, 26, "Grado dell'aggettivo",
     "Di che grado è?", "grado", 0, degrees},
    {7, [](const Features &f) { return int(f.pronounKind); }, takesPronounKind, 27, "Tipo di pronome",
     "Che tipo di pronome è?", "tipo", 0, pronounKinds},
    {3, [](const Features &f) { return int(f.pronounPerson); }, takesPronounKind, 28, "Persona del pronome",
     "A quale persona è?", "persona", 0, persons},
    {8, [](const Features &f) { return int(f.adverbKind); }, takesAdverbKind, 29, "Tipo di avverbio",
     "Che tipo di avverbio è?", "tipo", 0, adverbKinds},
    {4, [](const Features &f) { return int(f.prepositionKind); }, takesPrepositionKind, 30, "Tipo di preposizione",
     "Che tipo di preposizione è?", "tipo", 0, prepositionKinds},
    {2, [](const Features &f) { return int(f.conjunctionKind); }, takesConjunctionKind, 31, "Tipo di congiunzione",
     "Che tipo di congiunzione è?", "tipo", 0, conjunctionKinds},
    {3, [](const Features &f) { return int(f.exclamationKind); }, takesExclamationKind, 32, "Tipo di esclamazione",
     "Che tipo di esclamazione è?", "tipo", 0, exclamationKinds},
}};

QuestionSet questionsNamed(const std::string &keyword)
{
    const std::string word = keyword == "transitivita" ? "transitività" : keyword;
    QuestionSet out = 0;
    for (int q = 0; q < kFurtherQuestionCount; ++q)
        if (word == kFurtherQuestions[q].keyword)
            out |= QuestionSet{1} << q;
    return out;
}

std::string questionKeywords()
{
    std::string out;
    for (int q = 0; q < kFurtherQuestionCount; ++q) {
        const std::string word = kFurtherQuestions[q].keyword;
        if (out.find(word) == std::string::npos)
            out += (out.empty() ? "" : ", ") + word;
    }
    return out;
}

std::vector<Choice> choicesOf(int question, const Features &features)
{
    const FurtherQuestion &q = kFurtherQuestions[question];
    return q.choicesFor ? q.choicesFor(features) : std::vector<Choice>{};
}

bool isAsked(int code, const Features &features, int question, QuestionSet allowed)
{
    const FurtherQuestion &q = kFurtherQuestions[question];
    if (!(allowed & (QuestionSet{1} << question)) || !q.asksAbout(code) || q.rightChoice(features) == 0)
        return false;
    // A verb's number alone is no verb analysis: its questions need the key's
    // verb values.
    if (isVerbQuestion(question) && !features.hasVerbValues())
        return false;
    // A question with one possible answer is no question.
    return !q.choicesFor || q.choicesFor(features).size() > 1;
}

int nextFurtherQuestion(int code, const Features &features, int from, QuestionSet allowed)
{
    const int start = from <= 0 ? 0 : askingPosition(from - 1) + 1;
    for (int i = start; i < kFurtherQuestionCount; ++i)
        if (isAsked(code, features, kAskingOrder[std::size_t(i)], allowed))
            return kAskingOrder[std::size_t(i)];
    return -1;
}

std::vector<int> askedBefore(int question)
{
    return {kAskingOrder.begin(), kAskingOrder.begin() + askingPosition(question)};
}

int furtherPathLabel(int code, const Features &features, int question, QuestionSet allowed)
{
    int label = 3;
    int lastGroup = -1;
    for (int q : askedBefore(question))
        if (isAsked(code, features, q, allowed) && kFurtherQuestions[q].pathGroup != lastGroup) {
            lastGroup = kFurtherQuestions[q].pathGroup;
            if (lastGroup != kFurtherQuestions[question].pathGroup)
                ++label;
        }
    return label;
}

bool extendsPathLabel(int code, const Features &features, int question, QuestionSet allowed)
{
    for (int q : askedBefore(question))
        if (isAsked(code, features, q, allowed) && kFurtherQuestions[q].pathGroup == kFurtherQuestions[question].pathGroup)
            return true;
    return false;
}

const char *pathSeparator(int question)
{
    // "qualificativo, grado positivo", "personale, 1ª persona", "forma attiva,
    // transitivo"; the tense follows its mood and the number its person plainly.
    return question == kLastVerbQuestion || question == kDegreeQuestion || question == kPronounPersonQuestion ? ", "
                                                                                                          : " ";
}

std::vector<int> furtherErrorCategories()
{
    std::vector<int> out;
    for (const FurtherQuestion &q : kFurtherQuestions)
        if (std::find(out.begin(), out.end(), q.errorCategory) == out.end())
            out.push_back(q.errorCategory);
    return out;
}

}  // namespace engine
