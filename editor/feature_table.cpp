#include "feature_table.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "engine/collection_format.h"

namespace editor {

using namespace engine;

namespace {

bool finite(const Features &f) { return isFinite(f.mood); }
bool tenseOfMood(const Features &f, int value)
{
    const auto tenses = tensesOf(f.mood);
    return std::find(tenses.begin(), tenses.end(), Tense(value)) != tenses.end();
}

}  // namespace

const std::vector<FeatureDescriptor> &featureTable()
{
    static const std::vector<FeatureDescriptor> table = {
        {"Tipo di articolo",
         {{"Determinativo", 'D', 1}, {"Indeterminativo", 'N', 2}, {"Partitivo", 'T', 3}},
         [](int code) { return engine::takesArticleKind(code); },
         [](const Features &f) { return int(f.kind); },
         [](Features &f, int v) { f.kind = ArticleKind(v); }},
        {"Genere",
         {{"Maschile", 'M', 1}, {"Femminile", 'F', 2}},
         [](int code) { return engine::takesGenderAndNumber(code); },
         [](const Features &f) { return int(f.gender); },
         [](Features &f, int v) { f.gender = Gender(v); }},
        {"Numero",
         {{"Singolare", 'S', 1}, {"Plurale", 'P', 2}},
         [](int code) { return engine::takesGenderAndNumber(code); },
         [](const Features &f) { return int(f.number); },
         [](Features &f, int v) { f.number = Number(v); }},
        // A verb's values, in the order the drill asks them.
        {"Infinito", {}, takesVerbValues, [](const Features &f) { return f.lemma.empty() ? 0 : 1; },
         [](Features &f, int v) {
             if (v == 0)
                 f.lemma.clear();
         },
         'I', nullptr, nullptr, [](const Features &f) { return f.lemma; },
         [](Features &f, const std::string &t) { f.lemma = t; }},
        {"Modo",
         {{"Indicativo", 0, 1}, {"Congiuntivo", 0, 2}, {"Condizionale", 0, 3}, {"Imperativo", 0, 4},
          {"Infinito", 0, 5}, {"Participio", 0, 6}, {"Gerundio", 0, 7}},
         takesVerbValues, [](const Features &f) { return int(f.mood); },
         [](Features &f, int v) { f.mood = Mood(v); }, 'O'},
        {"Tempo",
         {{"Presente", 0, 1}, {"Imperfetto", 0, 2}, {"Passato remoto", 0, 3}, {"Futuro semplice", 0, 4},
          {"Passato prossimo", 0, 5}, {"Trapassato prossimo", 0, 6}, {"Trapassato remoto", 0, 7},
          {"Futuro anteriore", 0, 8}, {"Passato", 0, 9}, {"Trapassato", 0, 10}},
         takesVerbValues, [](const Features &f) { return int(f.tense); },
         [](Features &f, int v) { f.tense = Tense(v); }, 'T', [](const Features &f) { return f.mood != Mood::Unset; },
         tenseOfMood},
        {"Persona", {{"1ª", 0, 1}, {"2ª", 0, 2}, {"3ª", 0, 3}}, takesVerbValues,
         [](const Features &f) { return int(f.person); }, [](Features &f, int v) { f.person = Person(v); }, 'E',
         finite},
        {"Numero del verbo", {{"Singolare", 'S', 1}, {"Plurale", 'P', 2}}, takesVerbValues,
         [](const Features &f) { return int(f.verbNumber); }, [](Features &f, int v) { f.verbNumber = Number(v); },
         0, finite},
        {"Forma", {{"Attiva", 0, 1}, {"Passiva", 0, 2}, {"Riflessiva", 0, 3}}, takesVerbValues,
         [](const Features &f) { return int(f.form); }, [](Features &f, int v) { f.form = VerbForm(v); }, 'F'},
        {"Transitività", {{"Transitivo", 0, 1}, {"Intransitivo", 0, 2}}, takesVerbValues,
         [](const Features &f) { return int(f.transitivity); },
         [](Features &f, int v) { f.transitivity = Transitivity(v); }, 'R'},
        // The kind of each part of speech; the degree of a qualifying
        // adjective, the person of a personal pronoun.
        {"Tipo di nome", {{"Comune", 0, 1}, {"Proprio", 0, 2}}, takesNounKind,
         [](const Features &f) { return int(f.nounKind); }, [](Features &f, int v) { f.nounKind = NounKind(v); },
         'T'},
        {"Tipo di aggettivo",
         {{"Qualificativo", 0, 1}, {"Possessivo", 0, 2}, {"Dimostrativo", 0, 3}, {"Indefinito", 0, 4},
          {"Numerale", 0, 5}, {"Interrogativo", 0, 6}, {"Esclamativo", 0, 7}},
         takesAdjectiveKind, [](const Features &f) { return int(f.adjectiveKind); },
         [](Features &f, int v) { f.adjectiveKind = AdjectiveKind(v); }, 'T'},
        {"Grado", {{"Positivo", 0, 1}, {"Comparativo", 0, 2}, {"Superlativo", 0, 3}}, takesAdjectiveKind,
         [](const Features &f) { return int(f.degree); }, [](Features &f, int v) { f.degree = Degree(v); }, 'G',
         [](const Features &f) { return f.adjectiveKind == AdjectiveKind::Qualificativo; }},
        {"Tipo di pronome",
         {{"Personale", 0, 1}, {"Possessivo", 0, 2}, {"Dimostrativo", 0, 3}, {"Indefinito", 0, 4},
          {"Relativo", 0, 5}, {"Interrogativo", 0, 6}, {"Esclamativo", 0, 7}},
         takesPronounKind, [](const Features &f) { return int(f.pronounKind); },
         [](Features &f, int v) { f.pronounKind = PronounKind(v); }, 'T'},
        {"Persona del pronome", {{"1ª", 0, 1}, {"2ª", 0, 2}, {"3ª", 0, 3}}, takesPronounKind,
         [](const Features &f) { return int(f.pronounPerson); },
         [](Features &f, int v) { f.pronounPerson = Person(v); }, 'E',
         [](const Features &f) { return f.pronounKind == PronounKind::Personale; }},
        {"Tipo di avverbio",
         {{"Di modo", 0, 1}, {"Di tempo", 0, 2}, {"Di luogo", 0, 3}, {"Di quantità", 0, 4},
          {"Di affermazione", 0, 5}, {"Di negazione", 0, 6}, {"Di dubbio", 0, 7}, {"Interrogativo", 0, 8}},
         takesAdverbKind, [](const Features &f) { return int(f.adverbKind); },
         [](Features &f, int v) { f.adverbKind = AdverbKind(v); }, 'T'},
        {"Tipo di preposizione",
         {{"Semplice", 0, 1}, {"Articolata", 0, 2}, {"Impropria", 0, 3}, {"Locuzione", 0, 4}},
         takesPrepositionKind, [](const Features &f) { return int(f.prepositionKind); },
         [](Features &f, int v) { f.prepositionKind = PrepositionKind(v); }, 'T'},
        {"Tipo di congiunzione", {{"Coordinante", 0, 1}, {"Subordinante", 0, 2}}, takesConjunctionKind,
         [](const Features &f) { return int(f.conjunctionKind); },
         [](Features &f, int v) { f.conjunctionKind = ConjunctionKind(v); }, 'T'},
        {"Tipo di esclamazione", {{"Propria", 0, 1}, {"Impropria", 0, 2}, {"Locuzione", 0, 3}},
         takesExclamationKind, [](const Features &f) { return int(f.exclamationKind); },
         [](Features &f, int v) { f.exclamationKind = ExclamationKind(v); }, 'T'},
    };
    return table;
}

bool rowShown(const FeatureDescriptor &d, int code, const Features &f)
{
    return d.carriedBy(code) && (!d.appliesTo || d.appliesTo(f));
}

bool choiceOffered(const FeatureDescriptor &d, const Features &f, int value)
{
    return !d.offers || d.offers(f, value);
}

bool featureForKey(char key, int code, std::size_t *row, int *value)
{
    const char upper = char(std::toupper(static_cast<unsigned char>(key)));
    const auto &table = featureTable();
    for (std::size_t r = 0; r < table.size(); ++r) {
        if (!table[r].carriedBy(code))
            continue;
        for (const FeatureChoice &c : table[r].choices)
            if (c.key != 0 && c.key == upper) {
                *row = r;
                *value = c.value;
                return true;
            }
    }
    return false;
}

bool featureForKey(char key, int code, const Features &f, std::size_t *row, int *value)
{
    const char upper = char(std::toupper(static_cast<unsigned char>(key)));
    const auto &table = featureTable();
    for (std::size_t r = 0; r < table.size(); ++r) {
        const FeatureDescriptor &d = table[r];
        if (!rowShown(d, code, f))
            continue;
        for (const FeatureChoice &c : d.choices)
            if (c.key != 0 && c.key == upper && choiceOffered(d, f, c.value)) {
                *row = r;
                *value = c.value;
                return true;
            }
        if (d.stepKey != upper || d.choices.empty())
            continue;
        // The next choice offered after the current one; past the last, none.
        const int current = d.get(f);
        auto at = std::find_if(d.choices.begin(), d.choices.end(), [&](const FeatureChoice &c) { return c.value == current; });
        auto next = current == 0 ? d.choices.begin() : (at == d.choices.end() ? at : at + 1);
        while (next != d.choices.end() && !choiceOffered(d, f, next->value))
            ++next;
        *row = r;
        // 0 is not a choice: toggled() clears with the current value.
        *value = next == d.choices.end() ? current : next->value;
        return current != 0 || next != d.choices.end();
    }
    return false;
}

bool textRowForKey(char key, int code, std::size_t *row)
{
    const char upper = char(std::toupper(static_cast<unsigned char>(key)));
    const auto &table = featureTable();
    for (std::size_t r = 0; r < table.size(); ++r)
        if (table[r].text && table[r].stepKey == upper && table[r].carriedBy(code)) {
            *row = r;
            return true;
        }
    return false;
}

namespace {

// Clears the values that no longer fit the others.
Features fitted(Features f)
{
    for (const FeatureDescriptor &d : featureTable()) {
        if (d.text)
            continue;
        const int v = d.get(f);
        if (v != 0 && ((d.appliesTo && !d.appliesTo(f)) || !choiceOffered(d, f, v)))
            d.set(f, 0);
    }
    return f;
}

}  // namespace

Features toggled(Features f, std::size_t row, int value)
{
    const FeatureDescriptor &d = featureTable().at(row);
    if (value != 0 && d.get(f) != value && ((d.appliesTo && !d.appliesTo(f)) || !choiceOffered(d, f, value)))
        return f;  // not asked with these features: nothing to set
    d.set(f, d.get(f) == value ? 0 : value);
    return fitted(f);
}

bool validInfinitive(std::string_view text)
{
    // What a collection line reads as an infinitive: lower-case letters
    // whose ending gives a conjugation ("preparare", "arrabbiarsi").
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; })
           && conjugationOf(text) != Conjugation::Unset;
}

bool withText(Features *f, std::size_t row, const std::string &text)
{
    const FeatureDescriptor &d = featureTable().at(row);
    std::string t(engine::collection::trim(text));
    std::transform(t.begin(), t.end(), t.begin(), [](char c) { return char(std::tolower(static_cast<unsigned char>(c))); });
    if (!d.setText || (!t.empty() && !validInfinitive(t)))
        return false;
    d.setText(*f, t);
    return true;
}

std::string featureSummary(int code, const Features &f)
{
    std::string words = engine::collection::featureWords(code, f);
    // The box is narrow: a verb's compound tenses in the format's short
    // spellings, which a collection reads as well.
    static const std::pair<std::string_view, std::string_view> shorter[] = {
        {"trapassato-prossimo", "trap-pross"}, {"trapassato-remoto", "trap-rem"},
        {"passato-prossimo", "pass-pross"}, {"passato-remoto", "pass-rem"}, {"futuro-anteriore", "fut-ant"}};
    if (takesVerbValues(code))
        for (const auto &[longer, brief] : shorter)
            if (const auto at = words.find(longer); at != std::string::npos)
                words.replace(at, longer.size(), brief);
    return words;
}

}  // namespace editor
