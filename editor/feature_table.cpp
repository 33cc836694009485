#include "feature_table.h"

#include <cctype>

#include "engine/collection_format.h"

namespace editor {

using engine::ArticleKind;
using engine::Features;
using engine::Gender;
using engine::Number;

const std::vector<FeatureDescriptor> &featureTable()
{
    static const std::vector<FeatureDescriptor> table = {
        {"Tipo di articolo",
         {{"Determinativo", 'D', 1}, {"Indeterminativo", 'N', 2}, {"Partitivo", 'T', 3}},
         [](int code) { return engine::takesArticleKind(code); },
         [](const Features &f) { return int(f.kind); },
         [](Features &f, int v) { f.kind = ArticleKind(v); }},
        {"Genere",
         {{"Maschile", 'M', 1}, {"Femminile", 'F', 2}},
         [](int code) { return engine::takesGenderAndNumber(code); },
         [](const Features &f) { return int(f.gender); },
         [](Features &f, int v) { f.gender = Gender(v); }},
        {"Numero",
         {{"Singolare", 'S', 1}, {"Plurale", 'P', 2}},
         [](int code) { return engine::takesGenderAndNumber(code); },
         [](const Features &f) { return int(f.number); },
         [](Features &f, int v) { f.number = Number(v); }},
    };
    return table;
}

bool featureForKey(char key, int code, std::size_t *row, int *value)
{
    const char upper = char(std::toupper(static_cast<unsigned char>(key)));
    const auto &table = featureTable();
    for (std::size_t r = 0; r < table.size(); ++r) {
        if (!table[r].carriedBy(code))
            continue;
        for (const FeatureChoice &c : table[r].choices)
            if (c.key == upper) {
                *row = r;
                *value = c.value;
                return true;
            }
    }
    return false;
}

Features toggled(Features f, std::size_t row, int value)
{
    const FeatureDescriptor &d = featureTable().at(row);
    d.set(f, d.get(f) == value ? 0 : value);
    return f;
}

std::string featureSummary(int code, const Features &f)
{
    return engine::collection::featureWords(code, f);
}

}  // namespace editor
