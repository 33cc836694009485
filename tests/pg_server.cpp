#include "pg_server.h"

#include <QDir>
#include <QFileInfo>
#include <unistd.h>
#include <pwd.h>

namespace {

// Debian keeps each major version's programs apart; the newest is taken.
QString serverBinaries()
{
    QDir versions(QStringLiteral("/usr/lib/postgresql"));
    QStringList found = versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    std::sort(found.begin(), found.end(), [](const QString &a, const QString &b) { return a.toInt() > b.toInt(); });
    for (const QString &v : found) {
        const QString bin = versions.filePath(v + QStringLiteral("/bin"));
        if (QFileInfo(bin + QStringLiteral("/initdb")).isExecutable() &&
            QFileInfo(bin + QStringLiteral("/pg_ctl")).isExecutable() &&
            QFileInfo(bin + QStringLiteral("/psql")).isExecutable())
            return bin;
    }
    return {};
}

}  // namespace

PgServer::PgServer()
{
    bin_ = serverBinaries();
    if (bin_.isEmpty()) {
        missing_ = QStringLiteral("PostgreSQL non è installato (/usr/lib/postgresql/*/bin/initdb): "
                                  "bash scripts/install-deps.sh lo installa");
        return;
    }
    if (geteuid() == 0) {
        const passwd *pg = getpwnam("postgres");
        if (!pg) {
            missing_ = QStringLiteral("manca l'utente postgres per far girare il server senza root");
            return;
        }
        asPostgres_ = true;
        // The server's user must own the folder of its cluster and socket.
        if (chown(QFile::encodeName(dir_.path()).constData(), pg->pw_uid, pg->pw_gid) != 0)
            missing_ = QStringLiteral("non posso dare la cartella %1 all'utente postgres").arg(dir_.path());
    }
}

PgServer::~PgServer()
{
    QString ignored;
    if (running_)
        stop(ignored);
}

bool PgServer::run(const QString &program, const QStringList &args, QString &output, bool asServerUser)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setWorkingDirectory(dir_.path());  // runuser's user may not enter ours
    if (asPostgres_ && asServerUser)
        p.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--"), program} + args);
    else
        p.start(program, args);
    const bool finished = p.waitForFinished(120000);
    output = QString::fromLocal8Bit(p.readAll());
    return finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool PgServer::start(QString &error)
{
    const QString data = dir_.filePath(QStringLiteral("data"));
    if (!made_) {
        if (!run(bin_ + QStringLiteral("/initdb"),
                 {QStringLiteral("-D"), data, QStringLiteral("-A"), QStringLiteral("trust"), QStringLiteral("-U"),
                  QLatin1String(kOwner), QStringLiteral("--no-sync"), QStringLiteral("-E"), QStringLiteral("UTF8"),
                  QStringLiteral("--locale=C")},
                 error))
            return false;
        made_ = true;
    }
    running_ = run(bin_ + QStringLiteral("/pg_ctl"),
                   {QStringLiteral("-D"), data, QStringLiteral("-l"), dir_.filePath(QStringLiteral("server.log")),
                    QStringLiteral("-w"), QStringLiteral("-t"), QStringLiteral("60"), QStringLiteral("-o"),
                    QStringLiteral("-k %1 -c listen_addresses='' -c fsync=off").arg(dir_.path()),
                    QStringLiteral("start")},
                   error);
    return running_;
}

bool PgServer::stop(QString &error)
{
    running_ = false;
    return run(bin_ + QStringLiteral("/pg_ctl"),
               {QStringLiteral("-D"), dir_.filePath(QStringLiteral("data")), QStringLiteral("-m"),
                QStringLiteral("fast"), QStringLiteral("-w"), QStringLiteral("stop")},
               error);
}

bool PgServer::psql(const QString &database, const QString &role, const QStringList &args, QString &output)
{
    return run(bin_ + QStringLiteral("/psql"),
               QStringList{QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"),
                           QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-h"), dir_.path(), QStringLiteral("-U"),
                           role, QStringLiteral("-d"), database} +
                   args,
               output, false);
}

bool PgServer::makeSchoolDatabase(const QString &database, QString &error)
{
    const QString scripts = QStringLiteral(SERVER_SCRIPTS);
    if (!psql(QStringLiteral("postgres"), QLatin1String(kOwner),
              {QStringLiteral("-c"), QStringLiteral("CREATE DATABASE \"%1\"").arg(database)}, error) ||
        !psql(database, QLatin1String(kOwner), {QStringLiteral("-f"), scripts + QStringLiteral("/scuola.sql")}, error))
        return false;
    // Roles belong to the whole cluster: made once.
    for (const char *c : {"3B", "2A"}) {
        if (rolesMade_)
            break;
        if (!psql(database, QLatin1String(kOwner),
                  {QStringLiteral("-v"), QStringLiteral("classe=") + QLatin1String(c), QStringLiteral("-v"),
                   QStringLiteral("password=prova"), QStringLiteral("-f"), scripts + QStringLiteral("/classe.sql")},
                  error))
            return false;
    }
    rolesMade_ = true;
    return true;
}

history::ServerSettings PgServer::settings(const QString &database, const QString &role,
                                           const QString &className) const
{
    history::ServerSettings s;
    s.host = dir_.path();
    s.port = 5432;
    s.database = database;
    s.user = role;
    s.className = className;
    return s;
}
