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
    case Question::Conjugation: return "coniugazione";
    case Question::Mood: return "modo";
    case Question::Tense: return "tempo";
    case Question::Person: return "persona";
    case Question::VerbNumber: return "numero del verbo";
    case Question::Form: return "forma";
    case Question::Transitivity: return "transitività";
    case Question::NounKind: return "tipo di nome";
    case Question::AdjectiveKind: return "tipo di aggettivo";
    case Question::Degree: return "grado";
    case Question::PronounKind: return "tipo di pronome";
    case Question::PronounPerson: return "persona del pronome";
    case Question::AdverbKind: return "tipo di avverbio";
    case Question::PrepositionKind: return "tipo di preposizione";
    case Question::ConjunctionKind: return "tipo di congiunzione";
    case Question::ExclamationKind: return "tipo di esclamazione";
    }
    return "?";
}

}  // namespace history
