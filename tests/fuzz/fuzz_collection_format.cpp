// libFuzzer target for the collection reader: any bytes must parse without a
// crash, and every sentence read must survive the canonical writer: written
// and read again it gives the same units, and the live check accepts it.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/collection_format.h"

namespace c = engine::collection;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const c::File file = c::parseFile(std::string_view(reinterpret_cast<const char *>(data), size));
    for (const c::Line &line : file.lines) {
        if (line.kind == c::Line::Kind::Invalid && line.problem.text.empty())
            std::abort();  // every invalid line says why
        if (line.kind == c::Line::Kind::Questions
            && (line.questions == 0 || (line.questions & ~engine::kAllQuestions) != 0))
            std::abort();  // a `@domande` line names some questions, and only those
        if (line.kind != c::Line::Kind::Sentence)
            continue;
        if (line.units.empty() || line.units.size() > std::size_t(c::kMaxUnits))
            std::abort();
        if (!c::checkUnits(line.units).empty())
            std::abort();
        const c::Line again = c::parseLine(c::writeLine(line.units), 1);
        if (again.kind != c::Line::Kind::Sentence || again.units != line.units)
            std::abort();
    }
    if (file.questions == 0 || (file.questions & ~engine::kAllQuestions) != 0)
        std::abort();
    for (const c::Message &m : file.messages)
        (void)c::describe("frasi.txt", m);
    return 0;
}
