#include "collection_folders.h"

#include <QDir>
#include <algorithm>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <filesystem>
#include <fstream>

#include "../engine/text_decoding.h"
#include "../engine/utf8_text.h"

namespace platform {

namespace {

const QString kSubfolder = QStringLiteral("analisi-grammaticale/frasi");

std::string said(const QString &path, const char *what)
{
    // A name with a line end in it still makes one line.
    return engine::collection::visibleName(QDir::toNativeSeparators(path).toStdString()) + ": " + what;
}

// The files of a folder whose names are not UTF-8 (unzipped from an archive
// made elsewhere): Qt cannot name them, so they are listed and read here,
// by their bytes.
void readUndecodable(const QString &folder, engine::collection::Sources &out, qint64 &total)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::directory_iterator it(QFile::encodeName(folder).toStdString(), ec), end;
    std::vector<fs::path> found;
    for (; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().native();
        if (name.ends_with(".txt") && engine::utf8::firstInvalid(name))
            found.push_back(it->path());
    }
    std::sort(found.begin(), found.end());
    for (const fs::path &path : found) {
        const std::string shown = engine::collection::visibleName(path.native());
        std::error_code sizeError;
        const auto size = fs::file_size(path, sizeError);  // follows links; fails on folders
        if (sizeError || !fs::is_regular_file(path, sizeError)) {
            out.messages.push_back(shown + ": non è un file normale: ignorato");
            continue;
        }
        if (qint64(size) > kMaxCollectionBytes || total + qint64(size) > kMaxTotalCollectionBytes) {
            out.messages.push_back(shown + ": il file è troppo grande: ignorato");
            continue;
        }
        std::ifstream in(path, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!in.good() && !in.eof()) {
            out.messages.push_back(shown + ": il file non si può leggere (permessi?): ignorato");
            continue;
        }
        bytes.resize(std::min<std::size_t>(bytes.size(), std::size_t(kMaxCollectionBytes)));
        total += qint64(bytes.size());
        out.messages.push_back(shown + ": il nome del file non è in UTF-8 (i caratteri illeggibili sono scritti "
                                       "come \\x..): letto lo stesso; conviene rinominarlo");
        out.files.push_back({shown, std::move(bytes)});
    }
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
    const QStringList folders = collectionFolders();
    const QStringList files = collectionFiles(folders, messages);
    engine::collection::Sources sources = readCollectionFiles(files);
    sources.messages.insert(sources.messages.begin(), messages.begin(), messages.end());
    qint64 total = 0;
    for (const auto &f : sources.files)
        total += qint64(f.bytes.size());
    for (const QString &folder : folders)
        readUndecodable(folder, sources, total);
    return sources;
}

}  // namespace platform
