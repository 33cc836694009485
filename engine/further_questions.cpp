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

}  // namespace

const std::array<FurtherQuestion, kFurtherQuestionCount> kFurtherQuestions = {{
    {3, [](const Features &f) { return int(f.kind); }, takesArticleKind, 12, "Tipo di articolo",
     "Che tipo di articolo è?", "tipo", 0, nullptr},
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
    if (question >= kFirstVerbQuestion && !features.hasVerbValues())
        return false;
    // A question with one possible answer is no question.
    return !q.choicesFor || q.choicesFor(features).size() > 1;
}

int nextFurtherQuestion(int code, const Features &features, int from, QuestionSet allowed)
{
    for (int q = from < 0 ? 0 : from; q < kFurtherQuestionCount; ++q)
        if (isAsked(code, features, q, allowed))
            return q;
    return -1;
}

int furtherPathLabel(int code, const Features &features, int question, QuestionSet allowed)
{
    int label = 3;
    int lastGroup = -1;
    for (int q = 0; q < question; ++q)
        if (isAsked(code, features, q, allowed) && kFurtherQuestions[q].pathGroup != lastGroup) {
            lastGroup = kFurtherQuestions[q].pathGroup;
            if (lastGroup != kFurtherQuestions[question].pathGroup)
                ++label;
        }
    return label;
}

bool extendsPathLabel(int code, const Features &features, int question, QuestionSet allowed)
{
    for (int q = 0; q < question; ++q)
        if (isAsked(code, features, q, allowed) && kFurtherQuestions[q].pathGroup == kFurtherQuestions[question].pathGroup)
            return true;
    return false;
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
