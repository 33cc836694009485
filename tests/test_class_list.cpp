// The class lists of a school lab and "Chi sei?": what a class file gives,
// what is left out of it and why, where the files are looked for, and the
// choice made with the keyboard.

#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "file_bytes.h"
#include "history/class_list.h"
#include "history/sqlite_history.h"
#include "history/who_dialog.h"

class ClassListTest : public QObject {
    Q_OBJECT
private slots:
    void linesOfAClassFile_data();
    void linesOfAClassFile();
    void onlyTheSystemFoldersHoldClassLists();
    void chosenWithTheKeyboard();
    void withoutClassListsNothingIsAsked();
    void eachPupilHasTheirOwnHistory();
};

void ClassListTest::linesOfAClassFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("pupils");    // joined by '|'
    QTest::addColumn<QString>("messages");  // the lines named, joined by ' '
    QTest::newRow("plain") << QByteArray("Anna Rossi\nLuca Bianchi\n") << "Anna Rossi|Luca Bianchi" << "";
    QTest::newRow("byte order mark, CRLF, spaces") << QByteArray("\xEF\xBB\xBF  Anna   Rossi \r\nLuca\r\n")
                                                   << "Anna Rossi|Luca" << "";
    QTest::newRow("comments and blank lines") << QByteArray("# 3B\n\nAnna\n   \n#Luca\n") << "Anna" << "";
    QTest::newRow("a name twice") << QByteArray("Anna\nLuca\nanna\n") << "Anna|Luca" << "3";
    QTest::newRow("not UTF-8") << QByteArray("Nicol\xF2\nZo\xC3\xAB\n") << "Zoë" << "1";
    QTest::newRow("control characters") << QByteArray("An\x01na\nLuca\x1b[31m\nMia\n") << "Mia" << "1 2";
    QTest::newRow("too long") << QByteArray(61, 'a') + "\n" + QByteArray(60, 'b') << QString(60, 'b') << "1";
    QTest::newRow("empty") << QByteArray() << "" << "";
}

void ClassListTest::linesOfAClassFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, pupils);
    QFETCH(QString, messages);
    const history::ClassLists got = history::readClassList("3B", bytes, "/x/3B.txt");
    QStringList names;
    for (const history::Pupil &p : got.pupils) {
        names << p.name;
        QCOMPARE(p.className, QStringLiteral("3B"));
    }
    QCOMPARE(names.join('|'), pupils);
    QStringList lines;
    for (const QString &m : got.messages) {
        QVERIFY2(m.startsWith("/x/3B.txt, riga "), qPrintable(m));
        lines << m.section(' ', 2, 2).chopped(1);
    }
    QCOMPARE(lines.join(' '), messages);
}

void ClassListTest::onlyTheSystemFoldersHoldClassLists()
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("sys1/analisi-grammaticale/classi/3B.txt"), "Anna\nLuca\n");
    writeBytes(dir.filePath("sys2/analisi-grammaticale/classi/2A.txt"), "Mia\n");
    writeBytes(dir.filePath("sys2/analisi-grammaticale/classi/grande.txt"), QByteArray(history::kMaxClassFileBytes + 1, 'x'));
    writeBytes(dir.filePath("home/analisi-grammaticale/classi/mia.txt"), "Intruso\n");
    qputenv("XDG_DATA_DIRS", (dir.filePath("sys1") + ':' + dir.filePath("sys2")).toUtf8());
    qputenv("XDG_DATA_HOME", dir.filePath("home").toUtf8());
    const history::ClassLists got = history::readClassLists();
    QStringList names;
    for (const history::Pupil &p : got.pupils)
        names << p.className + '/' + p.name;
    QCOMPARE(names.join(' '), QStringLiteral("3B/Anna 3B/Luca 2A/Mia"));
    QCOMPARE(got.messages.size(), 1);
    QVERIFY(got.messages.front().contains("grande.txt"));
}

void ClassListTest::chosenWithTheKeyboard()
{
    const std::vector<history::Pupil> pupils = {{"Anna", "3B"}, {"Luca", "3B"}, {"Mia", "2A"}};
    history::WhoDialog who(pupils);
    who.show();
    QVERIFY(QTest::qWaitForWindowExposed(&who));
    QCOMPARE(who.list()->item(2)->text(), QStringLiteral("Mia (2A)"));  // two classes: each name says its own
    QTest::keyClick(who.list(), Qt::Key_Return);  // nothing chosen yet: nothing happens
    QVERIFY(who.isVisible());
    QTest::keyClick(who.list(), Qt::Key_Down);  // the first arrow highlights the first name
    QCOMPARE(who.list()->selectedItems().size(), 1);
    QCOMPARE(who.list()->row(who.list()->selectedItems().front()), 0);
    QTest::keyClick(who.list(), Qt::Key_Down);
    QTest::keyClick(who.list(), Qt::Key_Return);
    QVERIFY(!who.isVisible());
    QVERIFY(who.chosen());
    QCOMPARE(who.chosen(), &pupils[1]);  // the name highlighted, with its class
}

void ClassListTest::withoutClassListsNothingIsAsked()
{
    QTemporaryDir dir;
    qputenv("XDG_DATA_DIRS", dir.filePath("none").toUtf8());
    bool asked = false;
    QTimer guard;  // would close a "Chi sei?" that should not be there
    connect(&guard, &QTimer::timeout, this, [&] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            asked = true;
            w->close();
        }
    });
    guard.start(10);
    const history::Pupil nobody = history::askWhoIsPracticing();
    QVERIFY(!asked);
    QVERIFY(nobody.name.isEmpty());
    QCOMPARE(history::historyFileOf(nobody), history::historyFile(QString()));
}

void ClassListTest::eachPupilHasTheirOwnHistory()
{
    const QString a = history::historyFileOf({"Anna", "3B"});
    const QString b = history::historyFileOf({"Anna", "2A"});
    QVERIFY(a != b);
    QVERIFY(a != history::historyFile(QString()));
    QVERIFY(a.endsWith("storico-3B_Anna.sqlite"));
}

QTEST_MAIN(ClassListTest)
#include "test_class_list.moc"
