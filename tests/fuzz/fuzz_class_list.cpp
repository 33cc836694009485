// libFuzzer target for the class list reader: any bytes give names that are
// short, non-empty, free of control characters and not repeated, and every
// line left out says which line it was.

#include <QByteArray>
#include <QSet>
#include <cstdint>
#include <cstdlib>

#include "history/class_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const history::ClassLists got = history::readClassList(QStringLiteral("3B"), bytes, QStringLiteral("3B.txt"));
    QSet<QString> seen;
    for (const history::Pupil &p : got.pupils) {
        if (p.name.isEmpty() || p.name.size() > history::kMaxNameLength || p.name != p.name.simplified())
            std::abort();
        for (const QChar c : p.name)
            if (c.category() == QChar::Other_Control || c == QChar::ReplacementCharacter)
                std::abort();
        if (seen.contains(p.name.toLower()))
            std::abort();
        seen.insert(p.name.toLower());
    }
    for (const QString &m : got.messages)
        if (!m.startsWith(QStringLiteral("3B.txt, riga ")))
            std::abort();
    return 0;
}
