// The sentences of the drill and their answer key.
// Codes: 1 article, 2 noun, 3 adjective, 4 pronoun, 5 verb,
//        6 adverb, 7 preposition, 8 conjunction, 9 exclamation; 0 filler.
// Each sentence lists all 22 cells: its units, then fillers (blank, code 0).

#include "sentence_source.h"

namespace engine {

const std::vector<SentenceSource> &sentenceSources()
{
    static const std::vector<SentenceSource> sentences = {
        {0, 19, {{
            {" Era  ", 5}, {" presto, ", 6}, {" perciò ", 8}, {"restammo", 5},
            {"ancora  ", 6}, {"qualche", 3}, {"minuto ", 2}, {"per  ", 7},
            {"parlare  ", 5}, {"delle  ", 7}, {"vacanze,   ", 2}, {"trascorse  ", 5},
            {"insieme con ", 7}, {"altri   ", 3}, {"comuni  ", 3}, {"amici, ", 2},
            {"la ", 1}, {"scorsa  ", 3}, {"estate.  ", 2},
            {" ", 0}, {" ", 0}, {"", 0},
        }}},
        {8, 22, {{
            {"Il   ", 1}, {"mio  ", 3}, {"amico   ", 2}, {"mi  ", 4},
            {"ha invitato  ", 5}, {"in   ", 7}, {"campagna;   ", 2}, {"io    ", 4},
            {"ci    ", 6}, {"andrei   ", 5}, {"con    ", 7}, {"molto    ", 3},
            {"piacere,    ", 2}, {"ma     ", 8}, {"non     ", 6}, {"posso     ", 5},
            {"attualmente;  ", 6}, {"vi   ", 6}, {"andrò   ", 5}, {"il   ", 1},
            {"prossimo    ", 3}, {"mese.    ", 2},
        }}},
    };
    return sentences;
}

}  // namespace engine
