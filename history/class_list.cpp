#include "class_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

namespace history {

ClassLists readClassList(const QString &className, const QByteArray &bytes, const QString &shownPath)
{
    ClassLists out;
    const QList<QByteArray> lines = bytes.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray raw = lines[i];
        if (i == 0 && raw.startsWith("\xEF\xBB\xBF"))
            raw.remove(0, 3);  // a byte order mark
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = QString(utf8(raw)).simplified();
        const QString where = QStringLiteral("%1, riga %2: ").arg(shownPath).arg(i + 1);
        if (utf8.hasError() || line.contains(QChar::ReplacementCharacter)) {
            out.messages << where + QStringLiteral("non è testo UTF-8: riga ignorata");
            continue;
        }
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        bool control = false;
        for (const QChar c : line)
            control = control || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
        if (control) {
            out.messages << where + QStringLiteral("contiene caratteri di controllo: riga ignorata");
            continue;
        }
        if (line.size() > kMaxNameLength) {
            out.messages << where + QStringLiteral("nome più lungo di %1 caratteri: riga ignorata").arg(kMaxNameLength);
            continue;
        }
        bool repeated = false;
        for (const Pupil &p : out.pupils)
            repeated = repeated || p.name.compare(line, Qt::CaseInsensitive) == 0;
        if (repeated) {
            out.messages << where + QStringLiteral("«%1» è già nella classe: riga ignorata").arg(line);
            continue;
        }
        if (int(out.pupils.size()) >= kMaxPupils) {
            out.messages << where + QStringLiteral("più di %1 alunni: le righe seguenti sono ignorate").arg(kMaxPupils);
            break;
        }
        out.pupils.push_back({line, className});
    }
    return out;
}

ClassLists readClassLists()
{
    ClassLists out;
    // Qt lists the user's folder first: the class lists are the school's,
    // in the system folders only.
    QStringList bases = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    if (!bases.isEmpty())
        bases.removeFirst();
    QStringList seen;
    for (const QString &base : bases) {
        const QDir folder(QDir(base).filePath(QStringLiteral("analisi-grammaticale/classi")));
        for (const QFileInfo &e : folder.entryInfoList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
            const QString shown = QDir::toNativeSeparators(e.filePath());
            if (seen.contains(e.canonicalFilePath()))
                continue;
            seen << e.canonicalFilePath();
            if (e.size() > kMaxClassFileBytes) {
                out.messages << shown + QStringLiteral(": il file è troppo grande per un elenco di classe: ignorato");
                continue;
            }
            QFile file(e.filePath());
            if (!file.open(QIODevice::ReadOnly)) {
                out.messages << shown + QStringLiteral(": il file non si può leggere: ignorato");
                continue;
            }
            const ClassLists one = readClassList(e.completeBaseName(), file.read(kMaxClassFileBytes), shown);
            out.pupils.insert(out.pupils.end(), one.pupils.begin(), one.pupils.end());
            out.messages << one.messages;
        }
    }
    return out;
}

}  // namespace history
