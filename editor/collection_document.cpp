#include "collection_document.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "engine/text_decoding.h"

namespace editor {

namespace collection = engine::collection;

namespace {

QByteArray normalisedEols(QByteArray bytes)
{
    bytes.replace("\r\n", "\n");
    bytes.replace('\r', '\n');
    return bytes;
}

}  // namespace

QByteArray CollectionDocument::readDisk(bool *exists) const
{
    QFile f(path_);
    *exists = f.exists();
    if (!*exists || !f.open(QIODevice::ReadOnly))
        return {};
    return f.read(kMaxCollectionBytes + 1);
}

bool CollectionDocument::load(const QString &path)
{
    const QFileInfo info(path);
    const QString name = QString::fromStdString(collection::visibleName(info.fileName().toStdString()));  // on one line
    if (!info.exists()) {
        error_ = QStringLiteral("Il file «%1» non esiste.").arg(name);
        return false;
    }
    if (info.isDir()) {
        error_ = QStringLiteral("«%1» è una cartella, non un file di frasi.").arg(name);
        return false;
    }
    if (info.size() > kMaxCollectionBytes) {
        error_ = QStringLiteral("Il file «%1» è troppo grande (%2 MB): una raccolta di frasi non supera gli %3 MB.")
                     .arg(name)
                     .arg(info.size() / (1024 * 1024))
                     .arg(kMaxCollectionBytes / (1024 * 1024));
        return false;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        error_ = QStringLiteral("Impossibile leggere «%1»: %2.").arg(name, f.errorString());
        return false;
    }
    const QByteArray onDisk = f.readAll();
    // A UTF-16 file is read as its UTF-8 text, and saved so.
    const collection::DecodedText decoded =
        collection::decodeText(std::string_view(onDisk.constData(), std::size_t(onDisk.size())));
    const QByteArray bytes = decoded.fromUtf16 ? QByteArray::fromStdString(decoded.utf8) : onDisk;
    collection::File parsed = collection::parseFile(std::string_view(bytes.constData(), std::size_t(bytes.size())));

    // Only a file that can be written back whole is opened: otherwise saving
    // would lose what the reader left out (binary data, too many lines).
    bom_ = bytes.startsWith("\xEF\xBB\xBF");
    // The first line end sets the file's: LF, CRLF or an old Mac's lone CR.
    const qsizetype lf = bytes.indexOf('\n'), cr = bytes.indexOf('\r');
    if (cr >= 0 && (lf < 0 || cr < lf))
        eol_ = cr + 1 == lf ? QByteArray("\r\n") : QByteArray("\r");
    else
        eol_ = "\n";
    finalEol_ = bytes.isEmpty() || bytes.endsWith('\n') || bytes.endsWith('\r');
    path_ = path;
    lines_ = std::move(parsed.lines);
    messages_ = std::move(parsed.messages);
    if (normalisedEols(serialise()) != normalisedEols(bytes)) {
        const QString why = messages_.empty()
                                ? QString()
                                : QStringLiteral(" (%1)").arg(QString::fromStdString(
                                      collection::describe("", messages_.front()).substr(2)));  // without the name
        *this = CollectionDocument();
        error_ = QStringLiteral("Il file «%1» non è un file di testo di frasi leggibile per intero%2: "
                                "non viene aperto per non perdere nulla.")
                     .arg(name, why);
        return false;
    }
    diskBytes_ = onDisk;
    diskExisted_ = true;
    modified_ = false;
    error_.clear();
    reindex();
    return true;
}

bool CollectionDocument::changedOnDisk() const
{
    if (path_.isEmpty())
        return false;
    bool exists = false;
    const QByteArray now = readDisk(&exists);
    return exists != diskExisted_ || now != diskBytes_;
}

QByteArray CollectionDocument::serialise() const
{
    QByteArray out;
    if (bom_)
        out += "\xEF\xBB\xBF";
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        out += QByteArray::fromStdString(lines_[i].raw);
        if (i + 1 < lines_.size() || finalEol_)
            out += eol_;
    }
    return out;
}

CollectionDocument::SaveResult CollectionDocument::save(const QString &path, bool overwrite)
{
    const QString target = path.isEmpty() ? path_ : path;
    const QString name = QString::fromStdString(collection::visibleName(QFileInfo(target).fileName().toStdString()));
    if (target.isEmpty()) {
        error_ = QStringLiteral("Scegliere dove salvare la raccolta.");
        return SaveResult::Failed;
    }
    if (!overwrite && target == path_ && changedOnDisk()) {
        error_ = QStringLiteral("Il file «%1» è stato modificato da un altro programma (o da un'altra finestra) "
                                "dopo che è stato aperto.")
                     .arg(name);
        return SaveResult::ChangedOnDisk;
    }
    const QByteArray bytes = serialise();
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        const QFileInfo info(target);
        error_ = info.exists() && !info.isWritable()
                     ? QStringLiteral("Impossibile salvare «%1»: il file è di sola lettura.").arg(name)
                     : QStringLiteral("Impossibile salvare «%1»: %2.").arg(name, file.errorString());
        return SaveResult::Failed;
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        error_ = QStringLiteral("Impossibile salvare «%1»: %2. Il file precedente è rimasto com'era.")
                     .arg(name, file.errorString());
        return SaveResult::Failed;
    }
    path_ = target;
    diskBytes_ = bytes;
    diskExisted_ = true;
    modified_ = false;
    error_.clear();
    return SaveResult::Saved;
}

void CollectionDocument::reindex()
{
    entries_.clear();
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Line::Kind::Sentence || lines_[i].kind == Line::Kind::Invalid)
            entries_.push_back(int(i));
}

CollectionDocument::Line CollectionDocument::sentenceLine(const std::vector<Unit> &units)
{
    const std::string raw = collection::writeLine(units);
    Line line = collection::parseLine(raw, 0);
    if (line.kind != Line::Kind::Sentence) {
        // Kept as typed, with the reason, until the teacher mends it.
        line.raw = raw;
        line.units = units;
    }
    return line;
}

int CollectionDocument::insertSentence(int afterIndex, const std::vector<Unit> &units)
{
    std::size_t at = lines_.size();
    if (afterIndex >= 0 && afterIndex < entryCount())
        at = std::size_t(entries_[std::size_t(afterIndex)]) + 1;
    lines_.insert(lines_.begin() + std::ptrdiff_t(at), sentenceLine(units));
    modified_ = true;
    reindex();
    for (int i = 0; i < entryCount(); ++i)
        if (entries_[std::size_t(i)] == int(at))
            return i;
    return entryCount() - 1;
}

void CollectionDocument::setUnits(int index, const std::vector<Unit> &units)
{
    lines_[std::size_t(entries_[std::size_t(index)])] = sentenceLine(units);
    modified_ = true;
}

void CollectionDocument::remove(int index)
{
    lines_.erase(lines_.begin() + entries_[std::size_t(index)]);
    modified_ = true;
    reindex();
}

bool CollectionDocument::moveUp(int index)
{
    if (index <= 0 || index >= entryCount())
        return false;
    std::swap(lines_[std::size_t(entries_[std::size_t(index)])], lines_[std::size_t(entries_[std::size_t(index - 1)])]);
    modified_ = true;
    return true;
}

bool CollectionDocument::moveDown(int index) { return moveUp(index + 1); }

bool CollectionDocument::onlyThese() const
{
    for (const Line &l : lines_)
        if (l.kind == Line::Kind::OnlyThese)
            return true;
    return false;
}

void CollectionDocument::setOnlyThese(bool on)
{
    if (on == onlyThese())
        return;
    if (on) {
        // After the comments that head the file.
        std::size_t at = 0;
        while (at < lines_.size() && lines_[at].kind == Line::Kind::Comment)
            ++at;
        lines_.insert(lines_.begin() + std::ptrdiff_t(at), collection::parseLine(collection::kOnlyTheseLine, 0));
    } else {
        std::erase_if(lines_, [](const Line &l) { return l.kind == Line::Kind::OnlyThese; });
    }
    modified_ = true;
    reindex();
}

}  // namespace editor
