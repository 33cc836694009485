#pragma once
// What the complete analysis asks beyond the part of speech: an article's
// kind, and the gender and number of articles, nouns, adjectives and
// pronouns. Each value is unset where the answer key leaves it open (a
// pronoun like "che" has neither gender nor number), and then the drill asks
// nothing about it. The values follow the order of the exercise window's
// buttons: art(1..3), Masfem(1..2), Singplu(1..2).

#include <cstdint>

namespace engine {

enum class ArticleKind : std::uint8_t { Unset = 0, Determinativo = 1, Indeterminativo = 2, Partitivo = 3 };
enum class Gender : std::uint8_t { Unset = 0, Maschile = 1, Femminile = 2 };
enum class Number : std::uint8_t { Unset = 0, Singolare = 1, Plurale = 2 };

struct Features {
    ArticleKind kind = ArticleKind::Unset;
    Gender gender = Gender::Unset;
    Number number = Number::Unset;

    bool isEmpty() const
    {
        return kind == ArticleKind::Unset && gender == Gender::Unset && number == Number::Unset;
    }
    bool operator==(const Features &) const = default;
};

// Which answer codes may carry which features: the kind only on articles (1),
// gender and number on articles, nouns, adjectives and pronouns (1..4).
constexpr bool takesArticleKind(int code) { return code == 1; }
constexpr bool takesGenderAndNumber(int code) { return code >= 1 && code <= 4; }

// Does a unit with this code fit these features?
constexpr bool featuresFit(int code, const Features &f)
{
    return (f.kind == ArticleKind::Unset || takesArticleKind(code))
           && ((f.gender == Gender::Unset && f.number == Number::Unset) || takesGenderAndNumber(code));
}

}  // namespace engine
