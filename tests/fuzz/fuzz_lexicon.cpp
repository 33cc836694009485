// libFuzzer target: the lexicon reader on arbitrary bytes. A file that
// passes the checks must answer look-ups without reading out of bounds.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "lexicon/lexicon.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QString problem;
    const auto lex = lexicon::Lexicon::fromBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), &problem);
    if (lex)
        for (const char *w : {"", "a", "cane", "corre", "\xc3\x80", "zzzz"})
            (void)lex->lookUp(w);
    return 0;
}
