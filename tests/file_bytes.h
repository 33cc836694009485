#pragma once
// Whole files for the tests: read as bytes (empty when unreadable), or
// written with their folder made, failing the test if that cannot be done.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}
