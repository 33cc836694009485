#pragma once
// Where a school's database server is, as its administrator writes it in the
// system-wide file /etc/xdg/analisi-grammaticale/analisi-grammaticale.conf:
//
//   [server]
//   host=db.scuola.lan        (or the folder of a local socket, /run/postgresql)
//   port=5432
//   database=analisi
//   user=classe_3B            (the class's role)
//   password=...              (empty: the socket's own identity, peer)
//   class=3B                  (empty: the class of the list the pupil chose)
//
// Without the file, or without host and database in it, there is no server
// and nothing is sent.

#include <QString>
#include <QStringList>

class QSqlDatabase;

namespace history {

struct ServerSettings {
    QString host;
    int port = 5432;
    QString database;
    QString user;
    QString password;
    QString className;

    bool configured() const { return !host.isEmpty() && !database.isEmpty(); }
};

// The system-wide file read through QSettings.
QString serverSettingsFile();

// Reads `file`; each value that cannot be used goes to `problems` as one
// Italian line naming the file and the key, and leaves no server set up.
ServerSettings readServerSettings(const QString &file, QStringList &problems);

// A connection named `connection` to the server (not yet opened): a short
// time-out, so that an unreachable server is known in a few seconds.
QSqlDatabase serverConnection(const ServerSettings &settings, const QString &connection);

}  // namespace history
