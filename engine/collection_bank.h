#pragma once
// Filling the bank from the built-in sentences and the teachers' collections:
// the built-in 33 keep indices 0..32 and the collections' sentences follow in
// file and line order. A sentence that repeats one already loaded (same unit
// texts and codes) is left out; a collection holding "@solo queste frasi"
// leaves out the built-in sentences, unless no collection sentence loads.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "drill_state.h"

namespace engine::collection {

// The most sentences the bank takes in all; the rest are left out.
inline constexpr int kMaxSentences = 20000;

// A collection file as read from disk, whole.
struct Source {
    std::string name;   // as shown in messages: the file's path
    std::string bytes;
};

// What the folders gave: the files read, in order, and the messages about
// those that could not be read (already worded for the teacher).
struct Sources {
    std::vector<Source> files;
    std::vector<std::string> messages;
};
using SourceReader = std::function<Sources()>;

// Where a sentence of the bank comes from.
struct Origin {
    std::string file;  // empty for a built-in sentence
    int line = 0;
};

struct Loaded {
    int lastSentence = -1;
    std::vector<Origin> origins;        // one per sentence, by index
    std::vector<std::string> messages;  // what was left out, and why; what the legible face shrinks
};

// Fills `bank` from the built-in sentences and `sources`.
Loaded fillBank(SentenceBank &bank, const Sources &sources);

// The exercise window's load: fills the state's bank from what `read` gives
// (nothing when it is empty), sizes the used flags, sets lastSentence and
// writes each message as one line to `log`.
void loadSentences(DrillState &state, const SourceReader &read, std::ostream &log);

}  // namespace engine::collection
