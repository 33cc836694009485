#pragma once
// Builds the compact lexicon file from Morph-it!'s data as the three npm
// packages publish it (words.json: nouns with gender and plural;
// adjectives.json: the four forms; verbs.json: every mood, tense and person).
// Those files come from outside: each reader stops at the first thing it
// cannot use and says, in Italian, which entry it is.

#include <QByteArray>
#include <QString>
#include <map>
#include <string>
#include <vector>

#include "lexicon.h"

namespace lexicon {

class LexiconBuilder {
public:
    struct Entry {
        std::string lemma;
        PartOfSpeech pos;
        engine::Gender gender = engine::Gender::Unset;
        engine::Number number = engine::Number::Unset;
        Mood mood = Mood::None;
        Tense tense = Tense::None;
        int person = 0;
    };
    // `form` is lower-cased; a reading already there is not repeated.
    void add(const std::string &form, const Entry &entry);

    // Each returns false and sets `problem` at the first unusable entry;
    // what was added before stays.
    bool addWords(const QByteArray &json, QString *problem);
    bool addAdjectives(const QByteArray &json, QString *problem);
    bool addVerbs(const QByteArray &json, QString *problem);

    QByteArray build() const;
    std::size_t formCount() const { return forms_.size(); }

private:
    std::map<std::string, std::vector<Entry>> forms_;
};

}  // namespace lexicon
