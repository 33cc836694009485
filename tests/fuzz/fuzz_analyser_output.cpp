// libFuzzer target for the analyser's output as the editor reads it (the
// analyser is another program: its output is untrusted): any bytes are
// read, cut into units and given a verb's values and each word's kind, and
// every value proposed fits its unit's part of speech (a tense of its mood,
// a person only with a finite mood, a kind of its own part of speech).

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "editor/unit_rules.h"
#include "editor/value_proposal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const editor::StreamResult r = editor::parseStream(std::string_view(reinterpret_cast<const char *>(data), size));
    std::vector<editor::UnitWords> words;
    std::vector<editor::ProposedUnit> units = editor::proposeUnits(r.tokens, nullptr, nullptr, &words);
    if (words.size() != units.size())
        std::abort();
    editor::addProposedValues(units, words);
    for (const editor::ProposedUnit &u : units)
        if (!engine::featuresFit(u.unit.code, u.unit.features))
            std::abort();
    return 0;
}
