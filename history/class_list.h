#pragma once
// The class lists of a school lab, where pupils share accounts: every *.txt
// file in analisi-grammaticale/classi/ under the system data folders
// ($XDG_DATA_DIRS), one pupil a line; the file's name is the class's. Blank
// lines and lines starting with '#' are skipped. The files are untrusted:
// what cannot be read is left out with a message naming the file and line.

#include <QString>
#include <QStringList>
#include <vector>

namespace history {

struct Pupil {
    QString name;
    QString className;
};

struct ClassLists {
    std::vector<Pupil> pupils;  // class by class in file-name order, each in its file's order
    QStringList messages;       // in Italian
};

inline constexpr int kMaxNameLength = 60;
inline constexpr int kMaxPupils = 1000;
inline constexpr qint64 kMaxClassFileBytes = 64 * 1024;

// One class file's bytes, as read.
ClassLists readClassList(const QString &className, const QByteArray &bytes, const QString &shownPath);

// The system folders' class files, read.
ClassLists readClassLists();

}  // namespace history
