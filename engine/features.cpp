#include "features.h"

#include <array>

namespace engine {

std::span<const Tense> tensesOf(Mood mood)
{
    using T = Tense;
    static constexpr std::array<T, 8> indicative = {T::Presente, T::Imperfetto, T::PassatoRemoto, T::FuturoSemplice,
                                                    T::PassatoProssimo, T::TrapassatoProssimo, T::TrapassatoRemoto,
                                                    T::FuturoAnteriore};
    static constexpr std::array<T, 4> subjunctive = {T::Presente, T::Passato, T::Imperfetto, T::Trapassato};
    static constexpr std::array<T, 2> twoTenses = {T::Presente, T::Passato};
    static constexpr std::array<T, 1> imperative = {T::Presente};
    switch (mood) {
    case Mood::Indicativo: return indicative;
    case Mood::Congiuntivo: return subjunctive;
    case Mood::Imperativo: return imperative;
    case Mood::Condizionale:
    case Mood::Infinito:
    case Mood::Participio:
    case Mood::Gerundio: return twoTenses;
    case Mood::Unset: break;
    }
    return {};
}

Conjugation conjugationOf(std::string_view infinitive)
{
    if (infinitive.ends_with("rsene"))  // andarsene -> andarsi
        return conjugationOf(std::string(infinitive.substr(0, infinitive.size() - 3)) + "i");
    if (infinitive.ends_with("rsi"))  // arrabbiarsi -> arrabbiar
        infinitive.remove_suffix(2);
    if (infinitive.ends_with('r'))  // arrabbiar -> arrabbiare
        return conjugationOf(std::string(infinitive) + "e");
    if (infinitive.size() < 4 || !infinitive.ends_with("re"))
        return Conjugation::Unset;
    if (infinitive == "essere" || infinitive == "avere")
        return Conjugation::Propria;
    const std::string_view stem = infinitive.substr(0, infinitive.size() - 2);
    switch (stem.back()) {
    case 'a': return Conjugation::Prima;
    case 'e':
    case 'r': return Conjugation::Seconda;  // porre, trarre, tradurre
    case 'i': return Conjugation::Terza;
    default: return Conjugation::Unset;
    }
}

namespace {

bool kindsFit(int code, const Features &f)
{
    if (f.nounKind != NounKind::Unset && !takesNounKind(code))
        return false;
    if ((f.adjectiveKind != AdjectiveKind::Unset || f.degree != Degree::Unset) && !takesAdjectiveKind(code))
        return false;
    if (f.degree != Degree::Unset && f.adjectiveKind != AdjectiveKind::Qualificativo)
        return false;
    if ((f.pronounKind != PronounKind::Unset || f.pronounPerson != Person::Unset) && !takesPronounKind(code))
        return false;
    if (f.pronounPerson != Person::Unset && f.pronounKind != PronounKind::Personale)
        return false;
    if (f.adverbKind != AdverbKind::Unset && !takesAdverbKind(code))
        return false;
    if (f.prepositionKind != PrepositionKind::Unset && !takesPrepositionKind(code))
        return false;
    if (f.conjunctionKind != ConjunctionKind::Unset && !takesConjunctionKind(code))
        return false;
    return f.exclamationKind == ExclamationKind::Unset || takesExclamationKind(code);
}

}  // namespace

bool featuresFit(int code, const Features &f)
{
    if (f.kind != ArticleKind::Unset && !takesArticleKind(code))
        return false;
    if (f.gender != Gender::Unset && !takesGenderAndNumber(code))
        return false;
    if (f.number != Number::Unset && !takesGenderAndNumber(code))
        return false;
    if (!kindsFit(code, f))
        return false;
    if (!f.hasVerbValues())
        return true;
    if (!takesVerbValues(code))
        return false;
    if (!f.lemma.empty() && conjugationOf(f.lemma) == Conjugation::Unset)
        return false;
    if (f.tense != Tense::Unset) {
        bool ofMood = false;
        for (Tense t : tensesOf(f.mood))
            ofMood |= t == f.tense;
        if (!ofMood)
            return false;
    }
    if (f.mood != Mood::Unset && !isFinite(f.mood) && (f.person != Person::Unset || f.verbNumber != Number::Unset))
        return false;
    return true;
}

}  // namespace engine
