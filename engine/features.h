#pragma once
// What the complete analysis asks beyond the part of speech: an article's
// kind, and the gender and number of articles, nouns, adjectives and
// pronouns; for a verb its infinitive (which gives the conjugation), mood,
// tense, person, number, form and transitivity. Each value is unset where the
// answer key leaves it open (a pronoun like "che" has neither gender nor
// number, an infinitive has no person), and then the drill asks nothing about
// it. The values of the article's kind, gender and number follow the order of
// the exercise window's buttons: art(1..3), Masfem(1..2), Singplu(1..2); the
// verb's values follow the order of its choices.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace engine {

enum class ArticleKind : std::uint8_t { Unset = 0, Determinativo = 1, Indeterminativo = 2, Partitivo = 3 };
enum class Gender : std::uint8_t { Unset = 0, Maschile = 1, Femminile = 2 };
enum class Number : std::uint8_t { Unset = 0, Singolare = 1, Plurale = 2 };

// essere and avere have a conjugation of their own ("propria").
enum class Conjugation : std::uint8_t { Unset = 0, Prima = 1, Seconda = 2, Terza = 3, Propria = 4 };
enum class Mood : std::uint8_t {
    Unset = 0, Indicativo, Congiuntivo, Condizionale, Imperativo, Infinito, Participio, Gerundio
};
enum class Tense : std::uint8_t {
    Unset = 0, Presente, Imperfetto, PassatoRemoto, FuturoSemplice, PassatoProssimo,
    TrapassatoProssimo, TrapassatoRemoto, FuturoAnteriore, Passato, Trapassato
};
enum class Person : std::uint8_t { Unset = 0, Prima = 1, Seconda = 2, Terza = 3 };
enum class VerbForm : std::uint8_t { Unset = 0, Attiva = 1, Passiva = 2, Riflessiva = 3 };
enum class Transitivity : std::uint8_t { Unset = 0, Transitivo = 1, Intransitivo = 2 };

// The kind of each part of speech as school grammar names it; the values
// follow the order in which the kind question offers them.
enum class NounKind : std::uint8_t { Unset = 0, Comune, Proprio };
enum class AdjectiveKind : std::uint8_t {
    Unset = 0, Qualificativo, Possessivo, Dimostrativo, Indefinito, Numerale, Interrogativo, Esclamativo
};
// Only a qualifying adjective has a degree.
enum class Degree : std::uint8_t { Unset = 0, Positivo, Comparativo, Superlativo };
enum class PronounKind : std::uint8_t {
    Unset = 0, Personale, Possessivo, Dimostrativo, Indefinito, Relativo, Interrogativo, Esclamativo
};
enum class AdverbKind : std::uint8_t {
    Unset = 0, Modo, Tempo, Luogo, Quantita, Affermazione, Negazione, Dubbio, Interrogativo
};
enum class PrepositionKind : std::uint8_t { Unset = 0, Semplice, Articolata, Impropria, Locuzione };
enum class ConjunctionKind : std::uint8_t { Unset = 0, Coordinante, Subordinante };
enum class ExclamationKind : std::uint8_t { Unset = 0, Propria, Impropria, Locuzione };

struct Features {
    ArticleKind kind = ArticleKind::Unset;
    Gender gender = Gender::Unset;
    Number number = Number::Unset;
    std::string lemma{};            // a verb's infinitive, "" when unset
    Mood mood = Mood::Unset;
    Tense tense = Tense::Unset;
    Person person = Person::Unset;
    Number verbNumber = Number::Unset;  // the number of the verb's person
    VerbForm form = VerbForm::Unset;
    Transitivity transitivity = Transitivity::Unset;
    // The kind of the part of speech (the article's is `kind` above); only
    // the one of the unit's own part of speech may be set.
    NounKind nounKind = NounKind::Unset;
    AdjectiveKind adjectiveKind = AdjectiveKind::Unset;
    Degree degree = Degree::Unset;
    PronounKind pronounKind = PronounKind::Unset;
    Person pronounPerson = Person::Unset;  // a personal pronoun's person
    AdverbKind adverbKind = AdverbKind::Unset;
    PrepositionKind prepositionKind = PrepositionKind::Unset;
    ConjunctionKind conjunctionKind = ConjunctionKind::Unset;
    ExclamationKind exclamationKind = ExclamationKind::Unset;

    bool hasKindValues() const
    {
        return nounKind != NounKind::Unset || adjectiveKind != AdjectiveKind::Unset || degree != Degree::Unset
               || pronounKind != PronounKind::Unset || pronounPerson != Person::Unset
               || adverbKind != AdverbKind::Unset || prepositionKind != PrepositionKind::Unset
               || conjunctionKind != ConjunctionKind::Unset || exclamationKind != ExclamationKind::Unset;
    }
    bool hasVerbValues() const
    {
        return !lemma.empty() || mood != Mood::Unset || tense != Tense::Unset || person != Person::Unset
               || verbNumber != Number::Unset || form != VerbForm::Unset || transitivity != Transitivity::Unset;
    }
    bool isEmpty() const
    {
        return kind == ArticleKind::Unset && gender == Gender::Unset && number == Number::Unset
               && !hasVerbValues() && !hasKindValues();
    }
    bool operator==(const Features &) const = default;
};

// Which answer codes may carry which features: the kind only on articles (1),
// gender and number on articles, nouns, adjectives and pronouns (1..4), the
// verb's values (its number among them) only on verbs (5).
constexpr bool takesArticleKind(int code) { return code == 1; }
constexpr bool takesGenderAndNumber(int code) { return code >= 1 && code <= 4; }
constexpr bool takesVerbValues(int code) { return code == 5; }
constexpr bool takesNounKind(int code) { return code == 2; }
constexpr bool takesAdjectiveKind(int code) { return code == 3; }
constexpr bool takesPronounKind(int code) { return code == 4; }
constexpr bool takesAdverbKind(int code) { return code == 6; }
constexpr bool takesPrepositionKind(int code) { return code == 7; }
constexpr bool takesConjunctionKind(int code) { return code == 8; }
constexpr bool takesExclamationKind(int code) { return code == 9; }

// The tenses of a mood in the order a school grammar lists them; the tense
// question offers them so. Empty for an unset mood.
std::span<const Tense> tensesOf(Mood mood);
// Does the mood have person and number (indicativo .. imperativo)?
constexpr bool isFinite(Mood m) { return m >= Mood::Indicativo && m <= Mood::Imperativo; }
// The conjugation an infinitive belongs to: -are prima, -ere and -rre
// seconda, -ire terza, essere and avere propria; a reflexive infinitive
// ("arrabbiarsi") as its verb. Unset for anything else.
Conjugation conjugationOf(std::string_view infinitive);

// Does a unit with this code fit these features (a tense of its mood, a
// person only with a finite mood, a kind only of its own part of speech, a
// degree only with a qualifying adjective, a pronoun's person only with a
// personal pronoun)?
bool featuresFit(int code, const Features &f);

}  // namespace engine
