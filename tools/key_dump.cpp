// Prints the answer key one unit a line, for the maintainers' cross-check
// with the Italian analyser (tools/key_crosscheck.py):
//   sentence, position, code, kind, gender, number (a verb's: of its person),
//   infinitive, mood, tense, person, form, transitivity,
//   the kind of its part of speech, an adjective's degree, a pronoun's person, text
// separated by tabs. The values are the enums' (0 where the key leaves them
// unset), the infinitive "-" when unset; the text is exactly as stored.
// Filler cells are left out.

#include <cstdio>

#include "engine/kind_words.h"
#include "engine/sentence_bank.h"

int main()
{
    engine::SentenceBank bank;
    bank.fill();
    for (int s = 0; s < engine::SentenceBank::kRows; ++s) {
        for (int p = 1; p <= bank.wordCount(s); ++p) {
            const engine::Features f = bank.features(s, p);
            std::printf("%d\t%d\t%d\t%d\t%d\t%d\t%s\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%s\n", s, p,
                        int(bank.code(s, p).value()),
                        int(f.kind), int(f.gender), int(f.number == engine::Number::Unset ? f.verbNumber : f.number), f.lemma.empty() ? "-" : f.lemma.c_str(),
                        int(f.mood), int(f.tense), int(f.person), int(f.form), int(f.transitivity),
                        engine::collection::kindValue(f), int(f.degree), int(f.pronounPerson), bank.word(s, p).c_str());
        }
    }
    return 0;
}
