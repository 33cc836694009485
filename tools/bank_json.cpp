// Prints the whole sentence bank as JSON, for reviewing the answer key:
// [{"index": 0, "count": 19, "units": [{"text": " Era  ", "code": 5}, ...]}, ...]
// Texts are exactly as stored; filler cells are left out.

#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

#include "../engine/sentence_bank.h"

namespace {

// A JSON string literal, escaped by Qt's own writer.
QString quoted(const std::string &text)
{
    const QByteArray json =
        QJsonDocument(QJsonArray{QString::fromStdString(text)}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

}  // namespace

int main()
{
    engine::SentenceBank bank;
    bank.fill();
    QTextStream out(stdout);
    out << "[";
    bool firstSentence = true;
    for (int s = 0; s < engine::SentenceBank::kRows; ++s) {
        const int count = bank.wordCount(s);
        if (count == 0)
            continue;
        out << (firstSentence ? "\n" : ",\n") << "  {\"index\": " << s << ", \"count\": " << count
            << ", \"units\": [";
        for (int p = 1; p <= count; ++p)
            out << (p == 1 ? "\n" : ",\n") << "    {\"text\": " << quoted(bank.word(s, p))
                << ", \"code\": " << bank.code(s, p).value() << "}";
        out << "\n  ]}";
        firstSentence = false;
    }
    out << "\n]\n";
    return 0;
}
