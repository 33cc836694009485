// The teachers' collection format: what reads as a sentence, what is left
// out and with which message and column, and the canonical writer.

#include <QtTest>

#include <string>

#include "engine/collection_format.h"
#include "engine/sentence_source.h"
#include "engine/word_room.h"

namespace c = engine::collection;
using engine::ArticleKind;
using engine::Features;
using engine::Gender;
using engine::Number;

// A literal's bytes, NULs included.
template <std::size_t N>
std::string bytesOf(const char (&literal)[N])
{
    return std::string(literal, N - 1);
}
using Kind = c::Line::Kind;

Q_DECLARE_METATYPE(std::string)

namespace {

// "text=code[/kind gender number]" per unit, joined by ';', to state the
// expected units compactly: "Il=1/1 1 1;cane=2/0 1 1;corre=5".
std::string summary(const std::vector<c::Unit> &units)
{
    std::string out;
    for (const c::Unit &u : units) {
        out += (out.empty() ? "" : ";") + u.text + "=" + std::to_string(u.code);
        if (!u.features.isEmpty())
            out += "/" + std::to_string(int(u.features.kind)) + " " + std::to_string(int(u.features.gender)) + " "
                   + std::to_string(int(u.features.number));
    }
    return out;
}

}  // namespace

class TestCollectionFormat : public QObject {
    Q_OBJECT

private slots:
    void validLines_data();
    void validLines();
    void badLines_data();
    void badLines();
    void fileFraming_data();
    void fileFraming();
    void writerIsCanonicalAndReadsBack();
    void checkUnitsFindsWhatCannotBeDrilled();
    void describeNamesFileLineAndColumn();
    void builtInUnitsFitTheirRows();
    void roomShrinksDownTheColumn_data();
    void roomShrinksDownTheColumn();
};

void TestCollectionFormat::validLines_data()
{
    QTest::addColumn<std::string>("line");
    QTest::addColumn<std::string>("units");

    QTest::newRow("abbreviations") << std::string("Il = art | cane = nome | corre = verbo")
                                   << std::string("Il=1;cane=2;corre=5");
    QTest::newRow("full words, any case, final dots")
        << std::string("Oh = ESCLAMAZIONE | che = Pronome. | bella = Agg. | giornata = Sostantivo")
        << std::string("Oh=9;che=4;bella=3;giornata=2");
    QTest::newRow("every spelling of the nine")
        << std::string("a=articolo|b=sost|c=aggettivo|d=pron|e=v|f=avverbio|g=prep.|h=cong|i=inter|j=interiezione")
        << std::string("a=1;b=2;c=3;d=4;e=5;f=6;g=7;h=8;i=9;j=9");
    QTest::newRow("button numbers") << std::string("a = 1 | b = 6 | c = 9.") << std::string("a=1;b=6;c=9");
    QTest::newRow("features in any order and spelling")
        << std::string("Il = art. det. m. s. | delle = art part f p | uno = ARTICOLO maschile indeterminativo singolare")
        << std::string("Il=1/1 1 1;delle=1/3 2 2;uno=1/2 1 1");
    QTest::newRow("gender and number on nouns, adjectives, pronouns")
        << std::string("case = nome femm. plur. | belle = agg f | esse = pron plurale")
        << std::string("case=2/0 2 2;belle=3/0 2 0;esse=4/0 0 2");
    QTest::newRow("dots without blanks") << std::string("Il = art.det.m.s.") << std::string("Il=1/1 1 1");
    QTest::newRow("several words, punctuation, markup kept literally")
        << std::string("  ha invitato = verbo |\tin campagna; = nome | <b>ciao</b> = escl  ")
        << std::string("ha invitato=5;in campagna;=2;<b>ciao</b>=9");
    QTest::newRow("accented text, 20 characters")
        << std::string("perché = cong | àèìòùàèìòùàèìòùàèìòù = nome")
        << std::string("perché=8;àèìòùàèìòùàèìòùàèìòù=2");
    // Odd spaces are read as plain ones (the raw line is kept as it was).
    QTest::newRow("tab inside a text") << std::string("ha\tinvitato = verbo") << std::string("ha invitato=5");
    QTest::newRow("line and paragraph separators inside a text")
        << std::string("ha\u2028invitato = verbo | in\u2029campagna = nome") << std::string("ha invitato=5;in campagna=2");
    QTest::newRow("no-break spaces around =")
        << std::string("cane\u00A0=\u00A0nome | gatto =\u202Fnome\u00A0m") << std::string("cane=2;gatto=2/0 1 0");
    QTest::newRow("ideographic and em spaces around the text")
        << std::string("\u3000Il\u2003= art") << std::string("Il=1");
    std::string twentyTwo;
    for (int i = 0; i < c::kMaxUnits; ++i)
        twentyTwo += (i ? " | " : "") + std::string("x = nome");
    QTest::newRow("22 units") << twentyTwo << std::string("x=2;x=2;x=2;x=2;x=2;x=2;x=2;x=2;x=2;x=2;x=2;"
                                                          "x=2;x=2;x=2;x=2;x=2;x=2;x=2;x=2;x=2;x=2;x=2");
}

void TestCollectionFormat::validLines()
{
    QFETCH(std::string, line);
    QFETCH(std::string, units);
    const c::Line parsed = c::parseLine(line, 4);
    QVERIFY2(parsed.kind == Kind::Sentence, parsed.problem.text.c_str());
    QCOMPARE(summary(parsed.units), units);
    QCOMPARE(parsed.raw, line);
    QVERIFY(c::checkUnits(parsed.units).empty());
}

void TestCollectionFormat::badLines_data()
{
    QTest::addColumn<std::string>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<std::string>("message");

    // The structure of a line.
    QTest::newRow("unit without =") << std::string("Il = art | cane nome") << 12
                                    << std::string("«cane nome»: manca «=» tra il testo e l'analisi");
    QTest::newRow("= twice") << std::string("a = b = nome") << 7
                             << std::string("«=» compare due volte: il testo non può contenere «=» o «|»");
    QTest::newRow("empty text") << std::string("Il = art |  = nome") << 13
                                << std::string("manca il testo prima di «=»");
    QTest::newRow("empty analysis") << std::string("Il = art | cane =  ") << 17
                                    << std::string("manca l'analisi dopo «=»");
    QTest::newRow("only dots as analysis") << std::string("cane = ...") << 6
                                           << std::string("manca l'analisi dopo «=»");
    QTest::newRow("empty unit between bars") << std::string("Il = art || cane = nome") << 11
                                             << std::string("parte vuota: tra due «|» manca «testo = analisi»");
    QTest::newRow("trailing bar") << std::string("Il = art |") << 11
                                  << std::string("parte vuota: tra due «|» manca «testo = analisi»");
    QTest::newRow("unknown command") << std::string("@solo queste") << 1
                                     << std::string("«@solo queste» non è un comando: i comandi sono «@solo queste frasi» e «@domande …»");

    // The analysis.
    QTest::newRow("unknown part of speech") << std::string("Il mio = agg | nomee = nomee") << 24
                                            << std::string("«nomee» non è una parte del discorso");
    QTest::newRow("number out of range") << std::string("a = 0") << 5
                                         << std::string("«0» non è una parte del discorso");
    QTest::newRow("unknown feature") << std::string("gatti = nome m pl") << 16
                                     << std::string("«pl» non è una caratteristica (determinativo, indeterminativo, "
                                                    "partitivo, maschile, femminile, singolare, plurale)");
    QTest::newRow("two parts of speech") << std::string("la = art pron") << 10
                                         << std::string("una sola parte del discorso per parte: «pron» è di troppo");
    QTest::newRow("kind on a noun") << std::string("cane = nome det") << 13
                                    << std::string("«det»: il tipo (determinativo, indeterminativo, partitivo) si "
                                                   "indica solo per l'articolo");
    QTest::newRow("gender on a verb") << std::string("corre = verbo m") << 15
                                      << std::string("«m»: genere e numero si indicano solo per articolo, nome, "
                                                     "aggettivo e pronome");
    QTest::newRow("number on an adverb") << std::string("qui = avv s") << 11
                                         << std::string("«s»: genere e numero si indicano solo per articolo, nome, "
                                                        "aggettivo e pronome");
    QTest::newRow("contradiction") << std::string("il = art m f") << 12 << std::string("«f» contraddice «m»");
    QTest::newRow("kind contradiction") << std::string("il = art det. indet.") << 15
                                        << std::string("«indet» contraddice «det»");
    QTest::newRow("repeat in another spelling") << std::string("il = art s singolare") << 12
                                                << std::string("«singolare» ripete il numero");

    // Limits: columns count characters, not bytes.
    QTest::newRow("text too long") << std::string("è = verbo | si sarebbe potuto incontrare volentieri = verbo") << 13
                                   << std::string("«si sarebbe potuto incontrare volentieri» è troppo lungo per stare al "
                                                  "posto 2 della colonna delle parole: accorcialo o dividilo in due parti");
    std::string twentyThree;
    for (int i = 0; i < c::kMaxUnits + 1; ++i)
        twentyThree += (i ? "|" : "") + std::string("x=2");
    QTest::newRow("23 units") << twentyThree << 89 << std::string("la frase ha 23 parti, al massimo 22");
    QTest::newRow("line of a megabyte") << std::string(1 << 20, 'a') << 1
                                        << std::string("riga troppo lunga: 1048576 byte, al massimo 4096");

    // Bytes that are not text.
    QTest::newRow("Latin-1 accent") << std::string("perch\xE8 = cong") << 6
                                    << std::string("testo non in UTF-8 (forse il file è salvato in un'altra "
                                                   "codifica: salvalo in UTF-8)");
    QTest::newRow("overlong slash") << std::string("città = nome | a\xC0\xAF = nome") << 17
                                    << std::string("testo non in UTF-8 (forse il file è salvato in un'altra "
                                                   "codifica: salvalo in UTF-8)");
    QTest::newRow("surrogate") << std::string("a\xED\xA0\x80 = nome") << 2
                               << std::string("testo non in UTF-8 (forse il file è salvato in un'altra "
                                              "codifica: salvalo in UTF-8)");
    QTest::newRow("truncated sequence at the end") << std::string("a = nome \xE2\x82") << 10
                                                   << std::string("testo non in UTF-8 (forse il file è salvato in "
                                                                  "un'altra codifica: salvalo in UTF-8)");
    QTest::newRow("control byte") << std::string("ciao = escl \x01") << 13
                                  << std::string("carattere di controllo non ammesso (dati binari?)");
    QTest::newRow("C1 control") << std::string("ciao\xC2\x85 = escl") << 5
                                << std::string("carattere di controllo non ammesso (dati binari?)");
    QTest::newRow("no-break space in an analysis word is a blank: the word after it is named")
        << std::string("gatto = nome\u00A0mm") << 14
        << std::string("«mm» non è una caratteristica (determinativo, indeterminativo, partitivo, maschile, femminile, "
                       "singolare, plurale)");
    QTest::newRow("column counts a no-break space as one character")
        << std::string("Il\u00A0=\u00A0art | gatto = nomee") << 20 << std::string("«nomee» non è una parte del discorso");
    QTest::newRow("lone carriage return") << std::string("a = nome\rb = nome") << 9
                                          << std::string("carattere di controllo non ammesso (dati binari?)");
}

void TestCollectionFormat::badLines()
{
    QFETCH(std::string, line);
    QFETCH(int, column);
    QFETCH(std::string, message);
    const c::Line parsed = c::parseLine(line, 7);
    QCOMPARE(int(parsed.kind), int(Kind::Invalid));
    QCOMPARE(parsed.problem.text, message);
    QCOMPARE(parsed.problem.line, 7);
    QCOMPARE(parsed.problem.column, column);
    QCOMPARE(parsed.raw, line);  // kept, so an editor can write it back
    QVERIFY(parsed.units.empty());
}

void TestCollectionFormat::fileFraming_data()
{
    QTest::addColumn<std::string>("bytes");
    QTest::addColumn<QString>("kinds");  // one letter per line: B C O S I
    QTest::addColumn<bool>("onlyThese");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("LF") << std::string("# Frasi\n\nIl = art | cane = nome\n") << "CBS" << false << QStringList{};
    QTest::newRow("CRLF, BOM, no final newline")
        << std::string("\xEF\xBB\xBF# Frasi\r\nIl = art | cane = nome\r\nla = art | casa = nome")
        << "CSS" << false << QStringList{};
    QTest::newRow("only these, tolerant")
        << std::string("  @SOLO   Queste\tfrasi \nIl = art | cane = nome\n") << "OS" << true << QStringList{};
    QTest::newRow("bad line among good ones")
        << std::string("Il = art | cane = nome\nIl = art | cane = nomee\nla = art | casa = nome\n") << "SIS" << false
        << QStringList{"2:19 «nomee» non è una parte del discorso"};
    QTest::newRow("empty file") << std::string() << "" << false << QStringList{"0:0 il file non contiene frasi"};
    QTest::newRow("comments only") << std::string("# nulla\n\n   \n# ancora\n") << "CBBC" << false
                                   << QStringList{"0:0 il file non contiene frasi"};
    QTest::newRow("only the command") << std::string("@solo queste frasi\n") << "O" << true
                                      << QStringList{"0:0 il file non contiene frasi"};
    QTest::newRow("binary data") << std::string("Il = art\0\x01\x02", 11) << "" << false
                                 << QStringList{"1:9 il file contiene dati binari, non testo: è stato ignorato"};
    QTest::newRow("one NUL byte, named by line and column")
        << bytesOf("Il = art | cane = nome\r\nla = art | ca\0sa = nome\n") << "" << false
        << QStringList{"2:14 il file contiene dati binari, non testo: è stato ignorato"};
    QTest::newRow("old Mac line ends")
        << std::string("# Frasi\rIl = art | cane = nome\r\rla = art | casa = nome\r") << "CSBS" << false << QStringList{};
    QTest::newRow("mixed line ends") << std::string("a = nome\rb = nome\r\nc = nome\nd = nome") << "SSSS" << false
                                     << QStringList{};
    QTest::newRow("UTF-16 little-endian with BOM")
        << bytesOf("\xFF\xFEI\0l\0 \0=\0 \0a\0r\0t\0 \0|\0 \0c\0i\0t\0t\0\xE0\0 \0=\0 \0n\0o\0m\0e\0\r\0\n\0")
        << "S" << false << QStringList{};
    QTest::newRow("UTF-16 big-endian with BOM, emoji, bad line")
        << bytesOf("\xFE\xFF\0a\0 \0=\0 \0n\0o\0m\0e\0\n\xD8\x3D\xDE\x00\0 \0=\0 \0x\0\n") << "SI" << false
        << QStringList{"2:5 «x» non è una parte del discorso"};
    QTest::newRow("UTF-16 with a broken character")
        << bytesOf("\xFF\xFE" "a\0 \0=\0 \0n\0o\0m\0e\0\x00\xDC") << "I" << false
        << QStringList{"0:0 il file è in UTF-16 e contiene 1 carattere rotto, letto come «\uFFFD»: salvalo di nuovo in UTF-8",
                       "1:5 «nome\uFFFD» non è una parte del discorso"};
    QTest::newRow("UTF-16 without BOM")
        << bytesOf("I\0l\0 \0=\0 \0a\0r\0t\0\n\0") << "" << false
        << QStringList{"0:0 il file sembra salvato in UTF-16 («Unicode») senza l'indicazione della codifica: salvalo di "
                       "nuovo scegliendo la codifica UTF-8; è stato ignorato"};
    QTest::newRow("BOM column") << std::string("\xEF\xBB\xBFxx = yy\n") << "I" << false
                                << QStringList{"1:6 «yy» non è una parte del discorso"};
}

void TestCollectionFormat::fileFraming()
{
    QFETCH(std::string, bytes);
    QFETCH(QString, kinds);
    QFETCH(bool, onlyThese);
    QFETCH(QStringList, messages);
    const c::File file = c::parseFile(bytes);
    QString got;
    for (const c::Line &l : file.lines)
        got += QString("BCOSI").at(int(l.kind));
    QCOMPARE(got, kinds);
    QCOMPARE(file.onlyThese, onlyThese);
    QStringList gotMessages;
    for (const c::Message &m : file.messages)
        gotMessages << QStringLiteral("%1:%2 %3").arg(m.line).arg(m.column).arg(QString::fromStdString(m.text));
    QCOMPARE(gotMessages, messages);
    for (const c::Line &l : file.lines)
        QVERIFY(!l.raw.ends_with('\r'));
}

void TestCollectionFormat::writerIsCanonicalAndReadsBack()
{
    const std::string tolerant =
        "Il = Art. Det. M. S. | cane= sostantivo maschile | ha   invitato =V | delle = 1 part f p | qui = avverbio";
    const c::Line read = c::parseLine(tolerant, 1);
    QVERIFY(read.kind == Kind::Sentence);
    const std::string canonical = c::writeLine(read.units);
    QCOMPARE(canonical, std::string("Il = art det m s | cane = nome m | ha   invitato = verbo | delle = art part f p | "
                                    "qui = avv"));
    QCOMPARE(c::parseLine(canonical, 1).units, read.units);
    QCOMPARE(c::featureWords(3, Features{}), std::string());
    QCOMPARE(c::featureWords(2, Features{ArticleKind::Unset, Gender::Femminile, Number::Unset}), std::string("f"));
    QCOMPARE(c::abbreviation(0), std::string());
}

void TestCollectionFormat::checkUnitsFindsWhatCannotBeDrilled()
{
    const auto unit = [](std::string text, int code, Features f = {}) { return c::Unit{std::move(text), code, f}; };
    const std::vector<c::Unit> bad = {
        unit("a|b", 2),
        unit(" a", 2),
        unit("", 3),
        unit("si sarebbe potuto incontrare volentieri", 5),
        unit("corre", 5, Features{ArticleKind::Unset, Gender::Maschile, Number::Unset}),
        unit("x", 0),
        unit("perch\xE8", 8),
    };
    const std::vector<c::Message> got = c::checkUnits(bad);
    QStringList texts;
    for (const c::Message &m : got)
        texts << QString::fromStdString(m.text);
    QCOMPARE(texts, (QStringList{
                        "parte 1: il testo non può contenere «|» o «=»",
                        "parte 2: il testo comincia o finisce con spazi",
                        "parte 3: manca il testo prima di «=»",
                        "parte 4: «si sarebbe potuto incontrare volentieri» è troppo lungo per stare al posto 4 "
                        "della colonna delle parole: accorcialo o dividilo in due parti",
                        "parte 5: le caratteristiche non si addicono a verbo",
                        "parte 6: manca la parte del discorso",
                        "parte 7: il testo contiene caratteri non ammessi",
                    }));
    QCOMPARE(c::checkUnits({}).size(), std::size_t(1));
    QCOMPARE(c::checkUnits(std::vector<c::Unit>(23, unit("x", 2))).front().text,
             std::string("la frase ha 23 parti, al massimo 22"));
}

void TestCollectionFormat::describeNamesFileLineAndColumn()
{
    QCOMPARE(c::describe("frasi.txt", {3, 17, "«nomee» non è una parte del discorso"}),
             std::string("frasi.txt, riga 3, colonna 17: «nomee» non è una parte del discorso"));
    QCOMPARE(c::describe("frasi.txt", {3, 0, "x"}), std::string("frasi.txt, riga 3: x"));
    QCOMPARE(c::describe("frasi.txt", {0, 0, "il file non contiene frasi"}),
             std::string("frasi.txt: il file non contiene frasi"));
    // A name from elsewhere stays on one line, its odd bytes shown.
    QCOMPARE(c::describe("/home/a/caf\xE9\nbis.txt", {2, 1, "x"}),
             std::string("/home/a/caf\\xE9\\nbis.txt, riga 2, colonna 1: x"));
    QCOMPARE(c::describe("tab\tc\xC2\x85\x01\xE2\x80\xA8\xF0\x9F.txt", {0, 0, "x"}),
             std::string("tab\\tc\\xC2\\x85\\x01\\u2028\\xF0\\x9F.txt: x"));
    QCOMPARE(c::describe("città.txt", {0, 0, "x"}), std::string("città.txt: x"));
}

// The width rule must accept the program's own answer key: every built-in
// unit, trimmed as a collection would hold it, at its own row.
void TestCollectionFormat::builtInUnitsFitTheirRows()
{
    for (const engine::SentenceSource &s : engine::sentenceSources())
        for (int p = 1; p <= s.count; ++p) {
            const std::string text(c::trim(s.cells[std::size_t(p - 1)].text));
            QVERIFY2(engine::fitsWordRow(text, p), (std::to_string(s.index) + "." + std::to_string(p) + " " + text).c_str());
        }
}

// The column drifts right, so a text can fit the first row and not the last.
void TestCollectionFormat::roomShrinksDownTheColumn_data()
{
    QTest::addColumn<std::string>("text");
    QTest::addColumn<int>("lastRowItFits");
    QTest::newRow("compound verb, fits everywhere") << std::string("si è potuto incontrare") << 22;
    QTest::newRow("long phrase") << std::string("avrebbero dovuto incontrarsi") << 8;
    QTest::newRow("wide capitals") << std::string("MMMMMMMMMMMMMMMMMM") << 4;
    QTest::newRow("emoji counted wider than an em") << std::string("😀😀😀😀😀😀😀😀😀😀😀😀😀😀") << 0;
}

void TestCollectionFormat::roomShrinksDownTheColumn()
{
    QFETCH(std::string, text);
    QFETCH(int, lastRowItFits);
    for (int row = 1; row <= 22; ++row)
        QCOMPARE(engine::fitsWordRow(text, row), row <= lastRowItFits);
}

QTEST_GUILESS_MAIN(TestCollectionFormat)
#include "test_collection_format.moc"
