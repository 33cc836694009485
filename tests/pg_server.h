#pragma once
// A real PostgreSQL server of the test's own: a new cluster in a temporary
// folder, listening only on a Unix socket there, run as an unprivileged user
// (the server refuses root: under root it runs as "postgres" via runuser).
// It can be stopped and started again mid-test, like a school's server that
// goes away. Missing binaries are the one reason to skip.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "history/server_settings.h"

class PgServer {
public:
    PgServer();
    ~PgServer();

    // Empty when the server's programs are installed, else why not.
    QString missing() const { return missing_; }
    // Makes the cluster (once) and starts it; false with the reason.
    bool start(QString &error);
    bool stop(QString &error);

    // Runs psql as `role` on `database` with `args` (-c ..., -f ..., -v ...).
    bool psql(const QString &database, const QString &role, const QStringList &args, QString &output);
    // A new database set up by the school's script, with the two class roles
    // classe_3B and classe_2A; false with the reason.
    bool makeSchoolDatabase(const QString &database, QString &error);

    // How the program reaches the server as `role`.
    history::ServerSettings settings(const QString &database, const QString &role, const QString &className) const;

    static constexpr const char *kOwner = "scuola";

private:
    // The server's own programs run as its user; psql as the test itself.
    bool run(const QString &program, const QStringList &args, QString &output, bool asServerUser = true);

    QString bin_;
    QString missing_;
    // Under /tmp, not $TMPDIR: the server's user must reach it, and a socket's
    // path must stay short.
    QTemporaryDir dir_{QStringLiteral("/tmp/ag-pg-XXXXXX")};
    bool made_ = false;
    bool running_ = false;
    bool rolesMade_ = false;
    bool asPostgres_ = false;
};
