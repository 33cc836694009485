#include "lexicon.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cstring>

#include "lexicon_format.h"

namespace lexicon {

namespace {

template <typename Record>
Record recordAt(const unsigned char *base, std::size_t index)
{
    Record r;
    std::memcpy(&r, base + index * sizeof(Record), sizeof(Record));
    return r;
}

// Lower case as the lexicon writes its forms: ASCII and the accented
// capitals of Italian; other bytes unchanged.
std::string lowered(std::string_view word)
{
    std::string out(word);
    for (std::size_t i = 0; i < out.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(out[i]);
        if (c >= 'A' && c <= 'Z')
            out[i] = char(c + 32);
        else if (c == 0xC3 && i + 1 < out.size()) {
            unsigned char d = static_cast<unsigned char>(out[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97)  // À..Þ but ×
                out[i + 1] = char(d + 0x20);
            ++i;
        }
    }
    return out;
}

}  // namespace

Lexicon::~Lexicon() = default;

std::unique_ptr<Lexicon> Lexicon::open(const QString &path, QString *problem)
{
    std::unique_ptr<Lexicon> lex(new Lexicon);
    lex->file_ = std::make_unique<QFile>(path);
    if (!lex->file_->open(QIODevice::ReadOnly)) {
        if (problem)
            *problem = QStringLiteral("lessico %1: il file non si può aprire").arg(path);
        return nullptr;
    }
    lex->size_ = std::size_t(lex->file_->size());
    lex->data_ = lex->size_ ? lex->file_->map(0, lex->file_->size()) : nullptr;
    if (!lex->data_) {
        if (problem)
            *problem = QStringLiteral("lessico %1: il file è vuoto o non si può leggere").arg(path);
        return nullptr;
    }
    QString why;
    if (!lex->check(&why)) {
        if (problem)
            *problem = QStringLiteral("lessico %1: %2").arg(path, why);
        return nullptr;
    }
    return lex;
}

std::unique_ptr<Lexicon> Lexicon::fromBytes(QByteArray bytes, QString *problem)
{
    std::unique_ptr<Lexicon> lex(new Lexicon);
    lex->bytes_ = std::move(bytes);
    lex->data_ = reinterpret_cast<const unsigned char *>(lex->bytes_.constData());
    lex->size_ = std::size_t(lex->bytes_.size());
    QString why;
    if (!lex->check(&why)) {
        if (problem)
            *problem = QStringLiteral("lessico: %1").arg(why);
        return nullptr;
    }
    return lex;
}

// Every offset and count is checked once here, so that lookUp can trust them.
bool Lexicon::check(QString *problem)
{
    auto fail = [problem](const QString &why) {
        *problem = why + QStringLiteral(" (file danneggiato: ricompila o reinstalla il programma)");
        return false;
    };
    if (size_ < sizeof(Header))
        return fail(QStringLiteral("il file è troppo corto per essere un lessico"));
    const Header h = recordAt<Header>(data_, 0);
    if (std::memcmp(h.magic, kMagic, sizeof kMagic) != 0)
        return fail(QStringLiteral("non è un lessico di questo programma"));
    if (h.version != kVersion)
        return fail(QStringLiteral("versione %1 del lessico, attesa %2").arg(h.version).arg(kVersion));
    const std::size_t need = sizeof(Header) + (std::size_t(h.formCount) + 1) * sizeof(FormRecord)
                             + std::size_t(h.analysisCount) * sizeof(AnalysisRecord) + h.poolSize;
    if (need != size_)
        return fail(QStringLiteral("la lunghezza del file (%1 byte) non corrisponde alle tabelle (%2 byte)")
                        .arg(size_).arg(need));
    formCount_ = h.formCount;
    analysisCount_ = h.analysisCount;
    poolSize_ = h.poolSize;
    forms_ = data_ + sizeof(Header);
    analyses_ = forms_ + (formCount_ + 1) * sizeof(FormRecord);
    pool_ = reinterpret_cast<const char *>(analyses_ + analysisCount_ * sizeof(AnalysisRecord));
    if (poolSize_ == 0 || pool_[poolSize_ - 1] != '\0')
        return fail(QStringLiteral("le parole non finiscono dove devono"));
    std::uint32_t previousFirst = 0;
    const char *previousText = nullptr;
    for (std::size_t i = 0; i <= formCount_; ++i) {
        const FormRecord f = recordAt<FormRecord>(forms_, i);
        if (f.firstAnalysis < previousFirst || f.firstAnalysis > analysisCount_)
            return fail(QStringLiteral("forma %1: le letture sono fuori posto").arg(i));
        previousFirst = f.firstAnalysis;
        if (i == formCount_) {
            if (f.firstAnalysis != analysisCount_)
                return fail(QStringLiteral("l'ultima forma non chiude le letture"));
            break;
        }
        if (f.text >= poolSize_)
            return fail(QStringLiteral("forma %1: il testo è fuori dal file").arg(i));
        const char *text = pool_ + f.text;
        if (previousText && std::strcmp(previousText, text) >= 0)
            return fail(QStringLiteral("forma %1: le forme non sono in ordine").arg(i));
        previousText = text;
    }
    for (std::size_t i = 0; i < analysisCount_; ++i) {
        const AnalysisRecord a = recordAt<AnalysisRecord>(analyses_, i);
        if (a.lemma >= poolSize_ || a.pos < 1 || a.pos > 3 || a.gender > 2 || a.number > 2
            || a.mood > std::uint8_t(Mood::Gerundio) || a.tense > std::uint8_t(Tense::Passato) || a.person > 3)
            return fail(QStringLiteral("lettura %1: valori non ammessi").arg(i));
    }
    return true;
}

long Lexicon::find(std::string_view word) const
{
    std::size_t lo = 0, hi = formCount_;
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        const char *text = pool_ + recordAt<FormRecord>(forms_, mid).text;
        const std::size_t n = std::strlen(text);
        int c = std::memcmp(text, word.data(), std::min(n, word.size()));
        if (c == 0)
            c = n < word.size() ? -1 : (n > word.size() ? 1 : 0);
        if (c == 0)
            return long(mid);
        if (c < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return -1;
}

bool Lexicon::knows(std::string_view word) const
{
    return find(lowered(word)) >= 0;
}

std::vector<Analysis> Lexicon::lookUp(std::string_view word) const
{
    std::vector<Analysis> out;
    const long at = find(lowered(word));
    if (at < 0)
        return out;
    const std::uint32_t from = recordAt<FormRecord>(forms_, std::size_t(at)).firstAnalysis;
    const std::uint32_t to = recordAt<FormRecord>(forms_, std::size_t(at) + 1).firstAnalysis;
    for (std::uint32_t i = from; i < to; ++i) {
        const AnalysisRecord a = recordAt<AnalysisRecord>(analyses_, i);
        out.push_back({PartOfSpeech(a.pos), std::string_view(pool_ + a.lemma), engine::Gender(a.gender),
                       engine::Number(a.number), Mood(a.mood), Tense(a.tense), a.person});
    }
    return out;
}

QString installedLexiconPath()
{
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("lessico/morph-it.lex"));
    if (QFile::exists(beside))
        return beside;
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                  QStringLiteral("analisi-grammaticale/lessico/morph-it.lex"));
}

}  // namespace lexicon
