#include "audio.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

Audio::Audio(CuePlayer &player, engine::RandomSource &random, FolderSource folder)
    : player_(player), random_(random), folder_(std::move(folder))
{
    if (!folder_)
        folder_ = [] { return QCoreApplication::applicationDirPath(); };
}

QString Audio::cuePath(const QString &programFolder, const QString &name)
{
    return QDir(programFolder).filePath(QStringLiteral("suoni/") + name + QStringLiteral(".wav"));
}

void Audio::suona(const QString &name)
{
    player_.play(cuePath(folder_(), name));
}

void Audio::suonavariato(const QString &name)
{
    const int n = random_.below(5) + 1;
    suona(n == 1 ? name : name + QString::number(n));
}

}  // namespace platform
