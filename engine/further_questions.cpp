#include "further_questions.h"

namespace engine {

const std::array<FurtherQuestion, 3> kFurtherQuestions = {{
    {3, [](const Features &f) { return int(f.kind); }, takesArticleKind, 12, "Tipo di articolo"},
    {2, [](const Features &f) { return int(f.gender); }, takesGenderAndNumber, 13, "Genere"},
    {2, [](const Features &f) { return int(f.number); }, takesGenderAndNumber, 14, "Numero"},
}};

namespace {

bool asked(int code, const Features &features, int question)
{
    const FurtherQuestion &q = kFurtherQuestions[question];
    return q.asksAbout(code) && q.rightChoice(features) != 0;
}

}  // namespace

int nextFurtherQuestion(int code, const Features &features, int from)
{
    for (int q = from < 0 ? 0 : from; q < int(kFurtherQuestions.size()); ++q)
        if (asked(code, features, q))
            return q;
    return -1;
}

int furtherPathLabel(int code, const Features &features, int question)
{
    int label = 3;
    for (int q = 0; q < question; ++q)
        label += asked(code, features, q);
    return label;
}

}  // namespace engine
