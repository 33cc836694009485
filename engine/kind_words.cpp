#include "kind_words.h"

#include <array>

namespace engine::collection {

namespace {

using A = KindAxis;

// The first spelling of each value is the one written.
constexpr KindWord kWords[] = {
    {"comune", 2, A::Kind, 1}, {"com", 2, A::Kind, 1},
    {"proprio", 2, A::Kind, 2}, {"propr", 2, A::Kind, 2},

    {"qual", 3, A::Kind, 1}, {"qualificativo", 3, A::Kind, 1},
    {"poss", 3, A::Kind, 2}, {"possessivo", 3, A::Kind, 2},
    {"dim", 3, A::Kind, 3}, {"dimostrativo", 3, A::Kind, 3},
    {"indef", 3, A::Kind, 4}, {"indefinito", 3, A::Kind, 4},
    {"num", 3, A::Kind, 5}, {"numerale", 3, A::Kind, 5},
    {"interr", 3, A::Kind, 6}, {"interrogativo", 3, A::Kind, 6},
    {"esclam", 3, A::Kind, 7}, {"esclamativo", 3, A::Kind, 7},
    {"pos", 3, A::Degree, 1}, {"positivo", 3, A::Degree, 1},
    {"comp", 3, A::Degree, 2}, {"comparativo", 3, A::Degree, 2},
    {"sup", 3, A::Degree, 3}, {"superlativo", 3, A::Degree, 3},

    {"pers", 4, A::Kind, 1}, {"personale", 4, A::Kind, 1},
    {"poss", 4, A::Kind, 2}, {"possessivo", 4, A::Kind, 2},
    {"dim", 4, A::Kind, 3}, {"dimostrativo", 4, A::Kind, 3},
    {"indef", 4, A::Kind, 4}, {"indefinito", 4, A::Kind, 4},
    {"rel", 4, A::Kind, 5}, {"relativo", 4, A::Kind, 5},
    {"interr", 4, A::Kind, 6}, {"interrogativo", 4, A::Kind, 6},
    {"esclam", 4, A::Kind, 7}, {"esclamativo", 4, A::Kind, 7},
    {"1", 4, A::Person, 1}, {"prima", 4, A::Person, 1},
    {"2", 4, A::Person, 2}, {"seconda", 4, A::Person, 2},
    {"3", 4, A::Person, 3}, {"terza", 4, A::Person, 3},

    {"modo", 6, A::Kind, 1},
    {"tempo", 6, A::Kind, 2},
    {"luogo", 6, A::Kind, 3},
    {"quantità", 6, A::Kind, 4}, {"quantita", 6, A::Kind, 4}, {"quant", 6, A::Kind, 4},
    {"affermazione", 6, A::Kind, 5}, {"aff", 6, A::Kind, 5},
    {"negazione", 6, A::Kind, 6}, {"neg", 6, A::Kind, 6},
    {"dubbio", 6, A::Kind, 7},
    {"interr", 6, A::Kind, 8}, {"interrogativo", 6, A::Kind, 8},

    {"semplice", 7, A::Kind, 1}, {"sempl", 7, A::Kind, 1},
    {"art", 7, A::Kind, 2}, {"articolata", 7, A::Kind, 2},
    {"impropria", 7, A::Kind, 3}, {"impr", 7, A::Kind, 3},
    {"locuzione", 7, A::Kind, 4}, {"loc", 7, A::Kind, 4},

    {"coord", 8, A::Kind, 1}, {"coordinante", 8, A::Kind, 1},
    {"sub", 8, A::Kind, 2}, {"subordinante", 8, A::Kind, 2},

    {"propria", 9, A::Kind, 1},
    {"impropria", 9, A::Kind, 2}, {"impr", 9, A::Kind, 2},
    {"locuzione", 9, A::Kind, 3}, {"loc", 9, A::Kind, 3},
};

}  // namespace

std::optional<KindWord> kindWord(int code, std::string_view lowered)
{
    for (const KindWord &w : kWords)
        if (w.code == code && w.spelling == lowered)
            return w;
    return std::nullopt;
}

std::string_view partName(int code)
{
    static constexpr std::array<std::string_view, 10> names = {
        "", "articolo", "nome", "aggettivo", "pronome", "verbo", "avverbio", "preposizione", "congiunzione",
        "esclamazione"};
    return code >= 1 && code <= 9 ? names[std::size_t(code)] : "";
}

std::string partsNamedBy(std::string_view lowered)
{
    std::string out;
    for (int code = 2; code <= 9; ++code) {
        const std::optional<KindWord> w = kindWord(code, lowered);
        if (w && w->axis == KindAxis::Kind)
            out += (out.empty() ? "" : " o di ") + std::string(partName(code));
    }
    return out;
}

std::string_view kindAxisName(KindAxis axis)
{
    switch (axis) {
    case KindAxis::Kind: return "il tipo";
    case KindAxis::Degree: return "il grado";
    case KindAxis::Person: return "la persona";
    }
    return "";
}

std::string kindWordsHelp(int code)
{
    std::string out;
    int last = 0;
    KindAxis lastAxis = KindAxis::Kind;
    for (const KindWord &w : kWords)
        if (w.code == code && (w.value != last || w.axis != lastAxis)) {  // the written spelling only
            out += (out.empty() ? "" : ", ") + std::string(w.spelling);
            last = w.value;
            lastAxis = w.axis;
        }
    return out;
}

void setKind(Features &f, const KindWord &w)
{
    if (w.axis == KindAxis::Degree) {
        f.degree = Degree(w.value);
        return;
    }
    if (w.axis == KindAxis::Person) {
        f.pronounPerson = Person(w.value);
        return;
    }
    switch (w.code) {
    case 2: f.nounKind = NounKind(w.value); break;
    case 3: f.adjectiveKind = AdjectiveKind(w.value); break;
    case 4: f.pronounKind = PronounKind(w.value); break;
    case 6: f.adverbKind = AdverbKind(w.value); break;
    case 7: f.prepositionKind = PrepositionKind(w.value); break;
    case 8: f.conjunctionKind = ConjunctionKind(w.value); break;
    case 9: f.exclamationKind = ExclamationKind(w.value); break;
    default: break;
    }
}

namespace {

// The written spelling of a value: the first of the table's.
std::string_view spelling(int code, KindAxis axis, int value)
{
    for (const KindWord &w : kWords)
        if (w.code == code && w.axis == axis && w.value == value)
            return w.spelling;
    return "";
}

// The part whose kind is set and its value, 0 when none is.
std::pair<int, int> setKindOf(const Features &f)
{
    if (f.nounKind != NounKind::Unset)
        return {2, int(f.nounKind)};
    if (f.adjectiveKind != AdjectiveKind::Unset)
        return {3, int(f.adjectiveKind)};
    if (f.pronounKind != PronounKind::Unset)
        return {4, int(f.pronounKind)};
    if (f.adverbKind != AdverbKind::Unset)
        return {6, int(f.adverbKind)};
    if (f.prepositionKind != PrepositionKind::Unset)
        return {7, int(f.prepositionKind)};
    if (f.conjunctionKind != ConjunctionKind::Unset)
        return {8, int(f.conjunctionKind)};
    if (f.exclamationKind != ExclamationKind::Unset)
        return {9, int(f.exclamationKind)};
    return {0, 0};
}

}  // namespace

int kindValue(const Features &f) { return setKindOf(f).second; }

std::string kindWords(const Features &f)
{
    std::string out;
    auto add = [&out](std::string_view w) {
        if (!w.empty())
            out += (out.empty() ? "" : " ") + std::string(w);
    };
    const auto [code, value] = setKindOf(f);
    if (code)
        add(spelling(code, KindAxis::Kind, value));
    if (f.degree != Degree::Unset)
        add(spelling(3, KindAxis::Degree, int(f.degree)));
    if (f.pronounPerson != Person::Unset)
        add(spelling(4, KindAxis::Person, int(f.pronounPerson)));
    return out;
}

std::string kindName(const Features &f)
{
    const auto [code, value] = setKindOf(f);
    if (!code)
        return "";
    // The longest spelling of a value is its full name.
    std::string_view full;
    for (const KindWord &w : kWords)
        if (w.code == code && w.axis == KindAxis::Kind && w.value == value && w.spelling.size() > full.size())
            full = w.spelling;
    return std::string(full);
}

std::string degreeName(Degree d)
{
    static constexpr std::array<std::string_view, 4> names = {"", "positivo", "comparativo", "superlativo"};
    return std::string(names.at(std::size_t(d)));
}

std::string personName(Person p)
{
    static constexpr std::array<std::string_view, 4> names = {"", "prima", "seconda", "terza"};
    return std::string(names.at(std::size_t(p)));
}

}  // namespace engine::collection
