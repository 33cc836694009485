// libFuzzer target for the collection reader: any bytes must parse without a
// crash, and every sentence read must survive the canonical writer: written
// and read again it gives the same units, and the live check accepts it.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/collection_format.h"
#include "engine/text_decoding.h"
#include "engine/utf8_text.h"

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
        for (const c::Unit &u : line.units)  // nothing that would jump or break in the word column
            if (u.text.find_first_of("\t\r\n") != std::string::npos || u.text.find("\xE2\x80\xA8") != std::string::npos
                || u.text.find("\xE2\x80\xA9") != std::string::npos)
                std::abort();
        const c::Line again = c::parseLine(c::writeLine(line.units), 1);
        if (again.kind != c::Line::Kind::Sentence || again.units != line.units)
            std::abort();
    }
    if (file.questions == 0 || (file.questions & ~engine::kAllQuestions) != 0)
        std::abort();
    for (const c::Message &m : file.messages)
        (void)c::describe("frasi.txt", m);
    // The bytes as a file name: one line of UTF-8 in a message.
    const std::string shown = c::describe(std::string_view(reinterpret_cast<const char *>(data), size), {});
    if (shown.find_first_of("\r\n") != std::string::npos || engine::utf8::firstInvalid(shown))
        std::abort();
    return 0;
}
