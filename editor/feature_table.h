#pragma once
// The features a unit can carry beyond its part of speech, as the editor
// shows and edits them: one row per feature, with its choices, the key that
// sets each (the drill's own keys) and the parts of speech that carry it.
// The features of the complete analysis to come (a verb's mood, tense,
// person; a pronoun's kind) are new rows of this table.

#include <string>
#include <vector>

#include "engine/features.h"

namespace editor {

struct FeatureChoice {
    const char *label;  // "Maschile"
    char key;           // 'M': the key that sets it with the boxes selected
    int value;          // the value in engine::Features (never 0: 0 is "not set")
};

struct FeatureDescriptor {
    const char *name;  // "Genere"
    std::vector<FeatureChoice> choices;
    bool (*carriedBy)(int code);
    int (*get)(const engine::Features &);
    void (*set)(engine::Features &, int value);  // 0 clears
};

const std::vector<FeatureDescriptor> &featureTable();

// The row and choice a key belongs to, for a unit of part of speech `code`;
// false when the key sets nothing there.
bool featureForKey(char key, int code, std::size_t *row, int *value);

// Sets the row's value, or clears it when it already has that value (a
// second press of the same key or button takes it back).
engine::Features toggled(engine::Features f, std::size_t row, int value);

// "m s", "det f p": what the box shows under its text.
std::string featureSummary(int code, const engine::Features &f);

}  // namespace editor
