#include "server_start.h"

#include <QDir>
#include <iostream>
#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace history {

namespace {

// At home the account is the pupil: its login name stands for the name a
// class list would give.
QString accountName()
{
#ifdef Q_OS_UNIX
    if (const passwd *account = getpwuid(getuid()))
        return QString::fromLocal8Bit(account->pw_name);
#endif
    for (const char *variable : {"USER", "LOGNAME", "USERNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    return QStringLiteral("(senza nome)");
}

}  // namespace

std::unique_ptr<ServerSending> startServerSending(SqliteHistory &history, const Pupil &pupil,
                                                  ServerSending::Notice notice, const QString &settingsFile)
{
    QStringList problems;
    const ServerSettings settings = readServerSettings(settingsFile, problems);
    for (const QString &p : problems)
        std::cerr << p.toStdString() << '\n';
    if (!settings.configured())
        return nullptr;
    const QString className = settings.className.isEmpty() ? pupil.className : settings.className;
    if (className.isEmpty()) {
        std::cerr << QStringLiteral("%1, [server] class: manca la classe (e nessun elenco di classe è stato "
                                    "scelto); i risultati restano solo su questo computer.")
                         .arg(QDir::toNativeSeparators(settingsFile))
                         .toStdString()
                  << '\n';
        return nullptr;
    }
    auto sending = std::make_unique<ServerSending>(settings, history.path(),
                                                   pupil.name.isEmpty() ? accountName() : pupil.name,
                                                   std::move(notice));
    ServerSending *s = sending.get();
    history.queueForServer(className, [s] { s->wake(); });
    s->wake();  // what earlier runs left waiting
    return sending;
}

}  // namespace history
