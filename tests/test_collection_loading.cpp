// Loading the teachers' collections: where their sentences land in the bank,
// what is left out, the folders they are read from, and the drill on them.

#include <QtTest>

#include "file_bytes.h"

#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>
#include <sstream>

#include "drill_fixture.h"
#include "engine/collection_bank.h"
#include "engine/collection_format.h"
#include "platform/collection_folders.h"

namespace c = engine::collection;
using engine::SentenceBank;

namespace {

constexpr int kBuiltIn = 33;

c::Sources sources(std::initializer_list<std::pair<const char *, const char *>> files)
{
    c::Sources s;
    for (const auto &[name, text] : files)
        s.files.push_back({name, text});
    return s;
}

// "origin index: first word .. last word", for comparing a loaded bank.
QStringList listing(const SentenceBank &bank, const c::Loaded &loaded, int from)
{
    QStringList out;
    for (int s = from; s <= loaded.lastSentence; ++s) {
        const c::Origin &o = loaded.origins[s];
        out << QStringLiteral("%1 %2:%3 %4..%5")
                   .arg(s)
                   .arg(o.file.empty() ? QStringLiteral("built-in") : QString::fromStdString(o.file))
                   .arg(o.line)
                   .arg(QString::fromStdString(bank.word(s, 1)).trimmed())
                   .arg(QString::fromStdString(bank.word(s, bank.wordCount(s))).trimmed());
    }
    return out;
}

QStringList qt(const std::vector<std::string> &v)
{
    QStringList out;
    for (const std::string &s : v)
        out << QString::fromStdString(s);
    return out;
}

}  // namespace

Q_DECLARE_METATYPE(c::Sources)

class TestCollectionLoading : public QObject {
    Q_OBJECT

private slots:
    void merge_data();
    void merge();
    void cellsOfACollectionSentence();
    void tenThousandSentencesLoad();
    void foldersInOrderAndWhatIsLeftOut();
    void unreadableFileIsLeftOut();
    void oddFileNamesAreReadAndNamedOnOneLine();
    void drillOnCollections();
};

void TestCollectionLoading::merge_data()
{
    QTest::addColumn<c::Sources>("given");
    QTest::addColumn<int>("lastSentence");
    QTest::addColumn<int>("from");  // first index listed
    QTest::addColumn<QStringList>("sentences");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("none: the built-in bank") << c::Sources{} << 32 << 31
                                             << QStringList{"31 built-in:0 Evviva!..montagna.", "32 built-in:0 Ehm!..presto."}
                                             << QStringList{};
    QTest::newRow("files in order after the built-in sentences")
        << sources({{"a.txt", "# A\nIl = art | cane = nome\n\nla = art | casa = nome\n"},
                    {"b.txt", "io = pron | corro = verbo"}})
        << 35 << 32
        << QStringList{"32 built-in:0 Ehm!..presto.", "33 a.txt:2 Il..cane", "34 a.txt:4 la..casa",
                       "35 b.txt:1 io..corro"}
        << QStringList{};
    QTest::newRow("repeats left out: same texts and codes")
        << sources({{"a.txt", "Il = art | cane = nome\nIl = art det m s | cane = nome m s\nIl = art | cane = verbo\n"},
                    {"b.txt", "Il = art | cane = nome\n"},
                    {"c.txt", "Era = verbo | presto, = avv | perciò = cong | restammo = verbo | ancora = avv | "
                              "qualche = agg | minuto = nome | per = prep | parlare = verbo | delle = prep | "
                              "vacanze, = nome | trascorse = verbo | insieme con = prep | altri = agg | comuni = agg | "
                              "amici, = nome | la = art | scorsa = agg | estate. = nome\n"}})
        << 34 << 33 << QStringList{"33 a.txt:1 Il..cane", "34 a.txt:3 Il..cane"}
        << QStringList{"a.txt, riga 2: la frase ripete a.txt, riga 1, lasciata fuori",
                       "b.txt, riga 1: la frase ripete a.txt, riga 1, lasciata fuori",
                       "c.txt, riga 1: la frase ripete una frase del programma, lasciata fuori"};
    QTest::newRow("bad lines and files give messages, the rest loads")
        << [] {
               c::Sources s = sources({{"a.txt", "Il = art | cane = nomee\nla = art | casa = nome\n"},
                                       {"b.txt", "# vuoto\n"}});
               s.messages.push_back("x.txt: il file non si può leggere (permessi?): ignorato");
               return s;
           }()
        << 33 << 33 << QStringList{"33 a.txt:2 la..casa"}
        << QStringList{"x.txt: il file non si può leggere (permessi?): ignorato",
                       "a.txt, riga 1, colonna 19: «nomee» non è una parte del discorso",
                       "b.txt: il file non contiene frasi"};
    QTest::newRow("only these: collections from index 0")
        << sources({{"a.txt", "Il = art | cane = nome\n"}, {"b.txt", "@solo queste frasi\nla = art | casa = nome\n"}})
        << 1 << 0 << QStringList{"0 a.txt:1 Il..cane", "1 b.txt:2 la..casa"} << QStringList{};
    QTest::newRow("only these, but nothing usable: the built-in bank stays")
        << sources({{"a.txt", "@Solo  Queste Frasi\nIl = art | cane = nomee\n"}}) << 32 << 32
        << QStringList{"32 built-in:0 Ehm!..presto."}
        << QStringList{"a.txt, riga 2, colonna 19: «nomee» non è una parte del discorso",
                       "«@solo queste frasi»: nessuna frase delle raccolte si può usare, restano le frasi del programma"};
}

void TestCollectionLoading::merge()
{
    QFETCH(c::Sources, given);
    QFETCH(int, lastSentence);
    QFETCH(int, from);
    QFETCH(QStringList, sentences);
    QFETCH(QStringList, messages);
    SentenceBank bank;
    const c::Loaded loaded = c::fillBank(bank, given);
    QCOMPARE(loaded.lastSentence, lastSentence);
    QCOMPARE(int(loaded.origins.size()), lastSentence + 1);
    QCOMPARE(listing(bank, loaded, from), sentences);
    QCOMPARE(qt(loaded.messages), messages);
    QCOMPARE(bank.wordCount(lastSentence + 1), 0);  // the next row stays empty
}

void TestCollectionLoading::cellsOfACollectionSentence()
{
    engine::DrillState state;
    std::ostringstream log;
    c::loadSentences(state, [] { return sources({{"a.txt", "Il = art det m s | cane = nome | corre = verbo\nx\n"}}); },
                     log);
    QCOMPARE(state.lastSentence, kBuiltIn);
    QCOMPARE(state.bank.wordCount(kBuiltIn), 3);
    QCOMPARE(state.bank.word(kBuiltIn, 2), std::string("cane"));
    QCOMPARE(int(state.bank.code(kBuiltIn, 3).value()), 5);
    QCOMPARE(state.bank.features(kBuiltIn, 1),
             (engine::Features{engine::ArticleKind::Determinativo, engine::Gender::Maschile, engine::Number::Singolare}));
    for (int p = 4; p <= 22; ++p) {  // fillers, as in the built-in sentences
        QCOMPARE(state.bank.word(kBuiltIn, p), std::string());
        QVERIFY(!state.bank.code(kBuiltIn, p).isEmpty());
        QCOMPARE(int(state.bank.code(kBuiltIn, p).value()), 0);
    }
    QCOMPARE(log.str(), std::string("a.txt, riga 2, colonna 1: «x»: manca «=» tra il testo e l'analisi\n"));
    QCOMPARE(int(state.sentenceUsed.size()), SentenceBank::kRows);
}

void TestCollectionLoading::tenThousandSentencesLoad()
{
    std::string text;
    for (int i = 0; i < 10000; ++i)
        text += "Frase = nome | numero = agg | " + std::to_string(i) + " = agg\n";
    engine::DrillState state;
    std::ostringstream log;
    c::loadSentences(state, [&] { return c::Sources{{{"mille.txt", text}}, {}}; }, log);
    QCOMPARE(state.lastSentence, kBuiltIn + 9999);
    QCOMPARE(state.bank.word(state.lastSentence, 3), std::string("9999"));
    QCOMPARE(state.bank.rows(), state.lastSentence + 1);
    QVERIFY(state.sentenceUsed.size() >= std::size_t(state.lastSentence + 1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, state.bank.word(state.lastSentence + 1, 1));
    QVERIFY(log.str().empty());

    // Past the most the bank takes, one message and the rest left out.
    for (int i = 10000; i < c::kMaxSentences + 10; ++i)
        text += "Frase = nome | numero = agg | " + std::to_string(i) + " = agg\n";
    SentenceBank bank;
    const c::Loaded loaded = c::fillBank(bank, c::Sources{{{"molte.txt", text}}, {}});
    QCOMPARE(loaded.lastSentence, c::kMaxSentences - 1);
    QCOMPARE(qt(loaded.messages), QStringList{QStringLiteral(
                                      "molte.txt, riga %1: raggiunto il massimo di 20000 frasi: da qui in poi le "
                                      "frasi sono lasciate fuori").arg(c::kMaxSentences - kBuiltIn + 1)});
}

void TestCollectionLoading::foldersInOrderAndWhatIsLeftOut()
{
    QTemporaryDir tmp;
    const QString user = tmp.filePath("home"), school = tmp.filePath("school"), more = tmp.filePath("more");
    const QString sub = "/analisi-grammaticale/frasi/";
    qputenv("XDG_DATA_HOME", user.toUtf8());
    qputenv("XDG_DATA_DIRS", (school + ":" + more + ":" + tmp.filePath("missing")).toUtf8());
    writeBytes(user + sub + "a.txt", "mio = agg | libro = nome\n");
    writeBytes(school + sub + "b.txt", "la = art | classe = nome\n");
    writeBytes(school + sub + "a.txt", "il = art | banco = nome\n");
    writeBytes(school + sub + "note.md", "non una raccolta = nome\n");
    writeBytes(more + sub + "c.TXT", "una = art | penna = nome\n");
    QDir().mkpath(school + sub + "cartella.txt");
    QVERIFY(QFile::link(school + sub + "giro.txt", school + sub + "giro.txt"));  // a link to itself
    {
        QFile big(more + sub + "grande.txt");
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(100 * 1024 * 1024));  // sparse: 100 MB in no time
    }
    writeBytes(more + sub + "binario.txt", QByteArray("a = nome\0\xFF", 10));
    QCOMPARE(mkfifo(QFile::encodeName(more + sub + "tubo.txt").constData(), 0644), 0);  // reading it would block
    writeBytes(more + sub + ".nascosto.txt", "x = nome\n");  // hidden: an editor's spare copy

    const c::Sources read = platform::readCollections();
    QStringList names;
    for (const c::Source &f : read.files)
        names << QString::fromStdString(f.name).remove(tmp.path());
    QCOMPARE(names, (QStringList{"/school" + sub + "a.txt", "/school" + sub + "b.txt", "/more" + sub + "binario.txt",
                                 "/more" + sub + "c.TXT", "/home" + sub + "a.txt"}));
    QStringList messages = qt(read.messages).replaceInStrings(tmp.path(), "");
    QCOMPARE(messages, (QStringList{
                           "/school" + sub + "cartella.txt: è una cartella, non un file di frasi: ignorata",
                           "/school" + sub + "giro.txt: collegamento che non porta a un file (rotto o circolare): ignorato",
                           "/more" + sub + "tubo.txt: non è un file normale: ignorato",
                           "/more" + sub + "grande.txt: il file è troppo grande (più di 16 MB): ignorato",
                       }));

    SentenceBank bank;
    const c::Loaded loaded = c::fillBank(bank, read);
    QCOMPARE(loaded.lastSentence, kBuiltIn + 3);
    QCOMPARE(bank.word(kBuiltIn + 3, 2), std::string("libro"));  // the user's folder last
}

void TestCollectionLoading::oddFileNamesAreReadAndNamedOnOneLine()
{
    QTemporaryDir tmp;
    const QString folder = tmp.filePath("home/analisi-grammaticale/frasi");
    qputenv("XDG_DATA_HOME", tmp.filePath("home").toUtf8());
    qputenv("XDG_DATA_DIRS", tmp.filePath("missing").toUtf8());
    QVERIFY(QDir().mkpath(folder));
    // A Latin-1 name, as unzipped from an archive made elsewhere: Qt cannot
    // even list it.
    const std::string latin1 = QFile::encodeName(folder).toStdString() + "/caf\xE9.txt";
    std::FILE *f = std::fopen(latin1.c_str(), "wb");
    QVERIFY(f);
    std::fputs("il = art | caff\xC3\xA8 = nome\nx = nomee\nla = art | mela = nome\n", f);  // a repeat, too
    std::fclose(f);
    writeBytes(folder + "/a\nb.txt", "la = art | mela = nome\ny = nomee\n");

    const c::Sources read = platform::readCollections();
    QStringList names;
    for (const c::Source &file : read.files)
        names << QString::fromStdString(file.name).remove(tmp.path());
    QCOMPARE(names, (QStringList{"/home/analisi-grammaticale/frasi/a\nb.txt",
                                 "/home/analisi-grammaticale/frasi/caf\\xE9.txt"}));
    SentenceBank bank;
    const c::Loaded loaded = c::fillBank(bank, read);
    QCOMPARE(loaded.lastSentence, kBuiltIn + 1);
    QStringList messages = qt(loaded.messages).replaceInStrings(tmp.path(), "");
    for (const QString &m : messages)
        QVERIFY2(!m.contains(QLatin1Char('\n')), qPrintable(m));
    QVERIFY2(messages.contains("/home/analisi-grammaticale/frasi/a\\nb.txt, riga 2, colonna 5: «nomee» non è una "
                               "parte del discorso"),
             qPrintable(messages.join('\n')));
    QVERIFY(messages.contains("/home/analisi-grammaticale/frasi/caf\\xE9.txt, riga 2, colonna 5: «nomee» non è una "
                              "parte del discorso"));
    QVERIFY(messages.contains("/home/analisi-grammaticale/frasi/caf\\xE9.txt, riga 3: la frase ripete "
                              "/home/analisi-grammaticale/frasi/a\\nb.txt, riga 1, lasciata fuori"));
    std::remove(latin1.c_str());  // Qt cannot name it to clean up
    QVERIFY2(messages.filter("caf\\xE9.txt: il nome del file non è in UTF-8").size() == 1,
             qPrintable(messages.join('\n')));
}

void TestCollectionLoading::unreadableFileIsLeftOut()
{
    if (geteuid() == 0)
        QSKIP("run as root: a file without read permission is readable all the same");
    QTemporaryDir tmp;
    const QString path = tmp.filePath("chiuso.txt");
    writeBytes(path, "x = nome\n");
    QFile::setPermissions(path, QFileDevice::Permissions{});
    const c::Sources read = platform::readCollectionFiles({path, tmp.filePath("assente.txt")});
    QVERIFY(read.files.empty());
    QCOMPARE(qt(read.messages).replaceInStrings(tmp.path(), ""),
             (QStringList{"/chiuso.txt: il file non si può leggere (permessi?): ignorato",
                          "/assente.txt: il file non esiste"}));
}

void TestCollectionLoading::drillOnCollections()
{
    // The pupil meets a collection sentence as any other: after the built-in
    // ones, or alone when the collection asks so.
    Drill d(0, [] { return sources({{"a.txt", "Il = art | <b>cane</b> = nome | corre = verbo\n"}}); });
    QCOMPARE(d.state.lastSentence, kBuiltIn);
    QVERIFY(d.via(kBuiltIn));
    QCOMPARE(d.form->Label1->caption(), QString::number(kBuiltIn));
    QCOMPARE(d.form->Lbmostra[2]->caption(), QStringLiteral("<b>cane</b>"));
    QCOMPARE(d.form->Lbmostra[2]->textFormat(), Qt::PlainText);
    QVERIFY(d.answerWord() && d.answerWord() && d.answerWord());
    QVERIFY(pressable(d.form->VIA));  // the sentence is complete

    Drill only(0, [] { return sources({{"a.txt", "@solo queste frasi\nIl = art | cane = nome\nla = art | casa = nome\n"}}); });
    QCOMPARE(only.state.lastSentence, 1);
    QVERIFY(only.via(1) && only.answerWord() && only.answerWord());
    QVERIFY(only.via(1));  // used: the other one comes
    QCOMPARE(only.form->Lbmostra[2]->caption(), QStringLiteral("cane"));
    QVERIFY(only.answerWord() && only.answerWord());
    QVERIFY(only.via(0));  // both used: the bank is exhausted
    QCOMPARE(only.form->AVVISO->caption(), QStringLiteral("TUTTE LA FRASI SONO COMPLETATE"));
}

QTEST_MAIN(TestCollectionLoading)
#include "test_collection_loading.moc"
