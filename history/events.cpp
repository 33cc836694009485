#include "events.h"

namespace history {

const char *questionName(Question q)
{
    switch (q) {
    case Question::Variable: return "variabile";
    case Question::PartOfSpeech: return "parte";
    case Question::ArticleKind: return "tipo";
    case Question::Gender: return "genere";
    case Question::Number: return "numero";
    }
    return "?";
}

}  // namespace history
