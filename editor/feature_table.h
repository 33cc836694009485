#pragma once
// The features a unit can carry beyond its part of speech, as the editor
// shows and edits them: one row per feature, with its choices, the key that
// sets each (the drill's own keys) and the parts of speech that carry it.
// Rows with many choices (a verb's mood and tense, the kinds) have one key
// that steps through them instead; a verb's infinitive is typed.

#include <string>
#include <vector>

#include "engine/features.h"

namespace editor {

struct FeatureChoice {
    const char *label;  // "Maschile"
    char key;           // 'M': the key that sets it with the boxes selected; 0 for none
    int value;          // the value in engine::Features (never 0: 0 is "not set")
};

struct FeatureDescriptor {
    const char *name;  // "Genere"
    std::vector<FeatureChoice> choices;
    bool (*carriedBy)(int code);
    int (*get)(const engine::Features &);
    void (*set)(engine::Features &, int value);  // 0 clears
    // The key that steps to the next choice (and past the last clears it).
    char stepKey = 0;
    // Whether the row applies to these features at all (a person only with
    // a finite mood, a degree only for a qualifying adjective); always when
    // null.
    bool (*appliesTo)(const engine::Features &) = nullptr;
    // Whether a choice is offered with these features (the tenses of the
    // mood); all when null.
    bool (*offers)(const engine::Features &, int value) = nullptr;
    // A row typed rather than chosen (the infinitive): its text.
    std::string (*text)(const engine::Features &) = nullptr;
    void (*setText)(engine::Features &, const std::string &) = nullptr;
};

const std::vector<FeatureDescriptor> &featureTable();

// Does the row show for a unit of part of speech `code` with these features?
bool rowShown(const FeatureDescriptor &d, int code, const engine::Features &f);
bool choiceOffered(const FeatureDescriptor &d, const engine::Features &f, int value);

// The row and choice a key belongs to, for a unit of part of speech `code`;
// false when the key sets nothing there. Only the keys of single choices.
bool featureForKey(char key, int code, std::size_t *row, int *value);
// The same with the unit's features, which the stepping keys go from and
// which decide the rows that apply.
bool featureForKey(char key, int code, const engine::Features &f, std::size_t *row, int *value);
// The typed row a key opens (the infinitive's 'I'), or false.
bool textRowForKey(char key, int code, std::size_t *row);

// Sets the row's value, or clears it when it already has that value (a
// second press of the same key or button takes it back); then clears what
// no longer fits (a tense of another mood, a person without a finite mood).
engine::Features toggled(engine::Features f, std::size_t row, int value);
// Sets the typed row's text (empty clears it); false, and nothing changed,
// when it is no infinitive a collection can hold.
bool withText(engine::Features *f, std::size_t row, const std::string &text);
bool validInfinitive(std::string_view text);

// "m s", "det f p": what the box shows under its text.
std::string featureSummary(int code, const engine::Features &f);

}  // namespace editor
