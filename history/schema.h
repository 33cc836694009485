#pragma once
// The history's tables and the migrations that bring a database of any
// earlier version up to the current one. The statements are plain SQL that
// both SQLite and PostgreSQL take, so a school's server can hold the same
// tables. The version is kept in a table of its own, not in an engine's
// private setting.

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

namespace history::schema {

// The version this program writes; migrations 1..kCurrentVersion exist.
inline constexpr int kCurrentVersion = 4;

// The version of `db`: 0 for an empty database, -1 when it cannot be read.
int version(QSqlDatabase &db, QString *error = nullptr);

// Brings `db` to kCurrentVersion, one migration per transaction. False, with
// the reason in `error`, when a step fails (that step is rolled back) or
// when the database comes from a newer program.
// `failure` receives the engine's error, when there is one. `target` lets
// tests build a database of an earlier version.
// The statements of migration `step` (1..kCurrentVersion), as migrate() runs
// them; the school server's set-up script must hold the same.
QStringList statements(int step);

bool migrate(QSqlDatabase &db, QString &error, QSqlError *failure = nullptr, int target = kCurrentVersion);

}  // namespace history::schema
