#include "server_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QSqlDatabase>

namespace history {

QString serverSettingsFile()
{
    // The native format's name: …/analisi-grammaticale.conf under the first of
    // $XDG_CONFIG_DIRS (/etc/xdg); its text is read as INI below.
    const QSettings system(QSettings::SystemScope, QStringLiteral("analisi-grammaticale"),
                           QStringLiteral("analisi-grammaticale"));
    return system.fileName();
}

ServerSettings readServerSettings(const QString &file, QStringList &problems)
{
    ServerSettings out;
    if (!QFileInfo(file).isFile())
        return out;  // no server: the usual case
    const QString shown = QDir::toNativeSeparators(file);
    QSettings ini(file, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError) {
        problems << QStringLiteral("%1: il file non si può leggere; i risultati restano solo su questo computer.")
                        .arg(shown);
        return {};
    }
    ini.beginGroup(QStringLiteral("server"));
    const auto value = [&](const char *key) { return ini.value(QLatin1String(key)).toString().trimmed(); };
    out.host = value("host");
    out.database = value("database");
    out.user = value("user");
    out.password = ini.value(QStringLiteral("password")).toString();  // spaces may belong to it
    out.className = value("class");
    const QString port = value("port");
    if (!port.isEmpty()) {
        bool ok = false;
        out.port = port.toInt(&ok);
        if (!ok || out.port < 1 || out.port > 65535) {
            problems << QStringLiteral("%1, [server] port: «%2» non è un numero di porta (1-65535); i risultati "
                                       "restano solo su questo computer.")
                            .arg(shown, port);
            return {};
        }
    }
    if (out.host.isEmpty() != out.database.isEmpty()) {
        problems << QStringLiteral("%1, [server]: mancano %2; i risultati restano solo su questo computer.")
                        .arg(shown, out.host.isEmpty() ? QStringLiteral("host") : QStringLiteral("database"));
        return {};
    }
    return out;
}

QSqlDatabase serverConnection(const ServerSettings &settings, const QString &connection)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
    db.setHostName(settings.host);
    db.setPort(settings.port);
    db.setDatabaseName(settings.database);
    db.setUserName(settings.user);
    db.setPassword(settings.password);
    // A network that drops the connection without a word is noticed in
    // seconds, not at the system's two hours.
    db.setConnectOptions(QStringLiteral("connect_timeout=4;keepalives=1;keepalives_idle=5;keepalives_interval=2;"
                                        "keepalives_count=3;application_name=analisi-grammaticale"));
    return db;
}

}  // namespace history
