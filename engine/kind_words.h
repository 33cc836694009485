#pragma once
// The collection format's words for the kind of each part of speech, the
// qualifying adjective's degree and the personal pronoun's person:
// "agg poss m s", "agg qual sup f p", "pron pers 1 s", "avv modo",
// "prep art", "cong sub", "nome proprio", "escl impropria". Each part of
// speech has words of its own: "art" after "prep" is articolata, "1" after
// "pron" is the first person.

#include <optional>
#include <string>
#include <string_view>

#include "features.h"

namespace engine::collection {

enum class KindAxis { Kind, Degree, Person };

struct KindWord {
    std::string_view spelling;
    int code;  // the part of speech, 2..9 (the article's kinds are elsewhere)
    KindAxis axis;
    int value;  // the enum's value
};

// The word in lower case, read as one of the part of speech `code`.
std::optional<KindWord> kindWord(int code, std::string_view lowered);
// "aggettivo o di pronome" for "poss": the parts whose kind the word names,
// empty when it names none.
std::string partsNamedBy(std::string_view lowered);
// "nome", "aggettivo", ... for the messages.
std::string_view partName(int code);
// "il tipo", "il grado", "la persona".
std::string_view kindAxisName(KindAxis axis);
// The words of one part of speech, for a message: "modo, tempo, luogo, ...".
std::string kindWordsHelp(int code);

void setKind(Features &f, const KindWord &w);
// The value of whichever part's kind is set (only the unit's own part may
// have one), 0 when none is.
int kindValue(const Features &f);
// The canonical words of a unit's kind, degree and person ("qual sup",
// "pers 1"), "" when none is set.
std::string kindWords(const Features &f);
// Full names for a reader ("qualificativo", "superlativo", "prima"), "" when unset.
std::string kindName(const Features &f);
std::string degreeName(Degree d);
std::string personName(Person p);

}  // namespace engine::collection
