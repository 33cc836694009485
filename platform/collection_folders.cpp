#include "collection_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

namespace {

const QString kSubfolder = QStringLiteral("analisi-grammaticale/frasi");

std::string said(const QString &path, const char *what)
{
    return QDir::toNativeSeparators(path).toStdString() + ": " + what;
}

}  // namespace

QStringList collectionFolders()
{
    // Qt lists the user's folder first, then $XDG_DATA_DIRS in order.
    QStringList bases = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    if (!bases.isEmpty())
        bases.move(0, bases.size() - 1);
    QStringList folders, seen;
    for (const QString &base : bases) {
        const QString folder = QDir(base).filePath(kSubfolder);
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        if (canonical.isEmpty())
            continue;  // no such folder
        // The same folder reached twice (a link, a repeated entry) loads once,
        // at its last place, so the user's folder stays last.
        const qsizetype earlier = seen.indexOf(canonical);
        if (earlier >= 0) {
            seen.removeAt(earlier);
            folders.removeAt(earlier);
        }
        seen << canonical;
        folders << folder;
    }
    return folders;
}

QStringList collectionFiles(const QStringList &folders, std::vector<std::string> &messages)
{
    QStringList files;
    for (const QString &folder : folders) {
        const QFileInfoList entries =
            QDir(folder).entryInfoList({QStringLiteral("*.txt")}, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo &e : entries) {
            if (e.isDir())
                messages.push_back(said(e.filePath(), "è una cartella, non un file di frasi: ignorata"));
            else if (e.isSymLink() && !e.exists())
                messages.push_back(said(e.filePath(), "collegamento che non porta a un file (rotto o circolare): ignorato"));
            else if (!e.isFile())
                messages.push_back(said(e.filePath(), "non è un file normale: ignorato"));
            else
                files << e.filePath();
        }
    }
    return files;
}

engine::collection::Sources readCollectionFiles(const QStringList &paths)
{
    engine::collection::Sources out;
    qint64 total = 0;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (!info.isFile()) {
            out.messages.push_back(said(path, info.exists() ? "non è un file normale: ignorato"
                                                            : "il file non esiste"));
            continue;
        }
        if (info.size() > kMaxCollectionBytes) {
            out.messages.push_back(said(path, ("il file è troppo grande (più di "
                                               + std::to_string(kMaxCollectionBytes / (1024 * 1024))
                                               + " MB): ignorato").c_str()));
            continue;
        }
        if (total + info.size() > kMaxTotalCollectionBytes) {
            out.messages.push_back(said(path, "le raccolte insieme superano i 64 MB: questo file e i seguenti sono ignorati"));
            break;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            out.messages.push_back(said(path, "il file non si può leggere (permessi?): ignorato"));
            continue;
        }
        // One byte more than allowed tells a file that grew since it was measured.
        QByteArray bytes = file.read(kMaxCollectionBytes + 1);
        if (file.error() != QFileDevice::NoError) {
            out.messages.push_back(said(path, "errore di lettura: file ignorato"));
            continue;
        }
        if (bytes.size() > kMaxCollectionBytes) {
            out.messages.push_back(said(path, "il file è cresciuto mentre era letto e ora è troppo grande: ignorato"));
            continue;
        }
        total += bytes.size();
        out.files.push_back({QDir::toNativeSeparators(path).toStdString(), bytes.toStdString()});
    }
    return out;
}

engine::collection::Sources readCollections()
{
    std::vector<std::string> messages;
    const QStringList files = collectionFiles(collectionFolders(), messages);
    engine::collection::Sources sources = readCollectionFiles(files);
    sources.messages.insert(sources.messages.begin(), messages.begin(), messages.end());
    return sources;
}

}  // namespace platform
