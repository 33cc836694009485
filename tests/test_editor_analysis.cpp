// The sentence editor's analysis: the reader of the analyser's stream on
// good and broken input, the bridge's restart-once policy against fake
// analysers that crash, hang or print garbage, and the tag-to-unit rules on
// small sentences through the real analyser (skipped when not installed).

#include <QTemporaryDir>
#include <QtTest>

#include "editor/analyser.h"
#include "editor/unit_rules.h"

using namespace editor;

namespace {

// "Il/1 mio/3 amico/2" from proposed units: texts and codes only.
QString brief(const std::vector<ProposedUnit> &units)
{
    QStringList out;
    for (const auto &u : units)
        out << QStringLiteral("%1/%2").arg(QString::fromStdString(u.unit.text)).arg(u.unit.code);
    return out.join(QLatin1Char(' '));
}

std::vector<PipelineStage> shell(const QString &script)
{
    return {{QStringLiteral("bash"), {QStringLiteral("-c"), script}}};
}

}  // namespace

class TestEditorAnalysis : public QObject {
    Q_OBJECT

private slots:
    void streamReadsWords()
    {
        const StreamResult r = parseStream("^Il/il<det><def><m><sg>$ ^sull'/su<pr>+/il<det><def><mf><sg>$"
                                           "^,/,<cm>$ ^mostrarci/mostrare<vblex><inf>+ci<prn><enc>$ "
                                           "^smorfia/*smorfia$ ^a\\/b/a\\/b<n>$ ^ora/ora<n><f><sg>/ora<adv>$\n");
        QVERIFY2(r.error.empty(), r.error.c_str());
        QCOMPARE(r.tokens.size(), std::size_t(7));
        QCOMPARE(r.tokens[0].parts.front().lemma, std::string("il"));
        QVERIFY(r.tokens[0].has("def"));
        QCOMPARE(r.tokens[1].parts.size(), std::size_t(2));  // the tagger's "+/" is a join
        QCOMPARE(r.tokens[2].surface, std::string(","));
        QCOMPARE(r.tokens[3].parts.size(), std::size_t(2));
        QVERIFY(r.tokens[4].unknown);
        QCOMPARE(r.tokens[4].surface, std::string("smorfia"));
        QCOMPARE(r.tokens[5].surface, std::string("a/b"));  // escaped separator
        QCOMPARE(r.tokens[6].alternatives.size(), std::size_t(1));
    }

    void streamRejectsGarbage_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::newRow("unclosed word") << QByteArray("^casa/casa<n>");
        QTest::newRow("nested word") << QByteArray("^ca^sa/casa<n>$");
        QTest::newRow("no analysis") << QByteArray("^casa$");
        QTest::newRow("empty analysis") << QByteArray("^casa/$");
        QTest::newRow("unclosed tag") << QByteArray("^casa/casa<n$");
        QTest::newRow("text after tags") << QByteArray("^casa/casa<n>xx$");
        QTest::newRow("stray end") << QByteArray("casa$ ");
        QTest::newRow("unclosed superblank") << QByteArray("[casa ^a/a<pr>$");
        QTest::newRow("huge word") << QByteArray("^") + QByteArray(10000, 'a') + "/a<n>$";
    }
    void streamRejectsGarbage()
    {
        QFETCH(QByteArray, stream);
        const StreamResult r = parseStream(std::string_view(stream.constData(), std::size_t(stream.size())));
        QVERIFY(!r.error.empty());
    }

    void escapesReservedCharacters()
    {
        const std::string e = escapeForAnalyser("a[b]^c$/d\\e@f<g>{h}");
        const StreamResult r = parseStream(e);  // read back as blank text: nothing taken for a word
        QVERIFY(r.error.empty());
        QVERIFY(r.tokens.empty());
        QCOMPARE(r.trailingBlank, std::string("a[b]^c$/d\\e@f<g>{h}"));
    }

    void badAnalyserGivesUpAfterOneRestart_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("said");
        QTest::newRow("crash") << QStringLiteral("exit 3") << QStringLiteral("interrotto");
        QTest::newRow("hang") << QStringLiteral("cat > /dev/null") << QStringLiteral("non ha risposto");
        QTest::newRow("garbage") << QStringLiteral("while read -r x; do printf '^rotto\\0'; done")
                                 << QStringLiteral("illeggibile");
    }
    void badAnalyserGivesUpAfterOneRestart()
    {
        QFETCH(QString, script);
        QFETCH(QString, said);
        Analyser a(shell(script), 300);
        QVERIFY(!a.analyse(QStringLiteral("Il cane corre.")).has_value());
        QCOMPARE(a.restarts(), 1);
        QVERIFY(!a.usable());
        QVERIFY2(a.status().contains(said), qPrintable(a.status()));
        QVERIFY(a.status().contains(QStringLiteral("senza proposte")));
        QVERIFY(!a.analyse(QStringLiteral("Ancora.")).has_value());  // no further attempts
        QCOMPARE(a.restarts(), 1);
    }

    void missingProgramIsNamed()
    {
        Analyser a({{QStringLiteral("/nonexistent/lt-proc"), {}}}, 300);
        QVERIFY(!a.analyse(QStringLiteral("Ciao.")).has_value());
        QVERIFY2(a.status().contains(QStringLiteral("lt-proc")), qPrintable(a.status()));
    }

    void restartRecovers()
    {
        // Fails on its first start, then answers every NUL-ended text with
        // an empty analysis.
        QTemporaryDir dir;
        const QString flag = dir.filePath(QStringLiteral("started"));
        Analyser a(shell(QStringLiteral("if [ -e '%1' ]; then while read -r -d '' x; do printf '\\0'; done; else touch '%1'; exit 1; fi")
                             .arg(flag)),
                   2000);
        const auto tokens = a.analyse(QStringLiteral("Il cane."));
        QVERIFY(tokens.has_value());
        QVERIFY(a.usable());
        QCOMPARE(a.restarts(), 1);
        QVERIFY(a.status().contains(QStringLiteral("riavviato")));
        QVERIFY(a.analyse(QStringLiteral("Il gatto.")).has_value());  // the same pipeline, still up
        QCOMPARE(a.restarts(), 1);
    }

    void cleansPastedText_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("clean");
        QTest::newRow("curly apostrophe") << QStringLiteral("L\u2019uomo") << QStringLiteral("L'uomo");
        QTest::newRow("nbsp and tabs") << QStringLiteral("Il\u00A0cane\t\tcorre ") << QStringLiteral("Il cane corre");
        QTest::newRow("soft hyphen") << QStringLiteral("bel\u00ADlis\u00ADsimo") << QStringLiteral("bellissimo");
        QTest::newRow("separators") << QStringLiteral("a | b = c") << QStringLiteral("a / b - c");
        QTest::newRow("emoji kept") << QStringLiteral("Ciao \U0001F600!") << QStringLiteral("Ciao \U0001F600!");
        QTest::newRow("control") << QStringLiteral("a\u0007b") << QStringLiteral("a b");
    }
    void cleansPastedText()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, clean);
        QCOMPARE(QString::fromStdString(cleanSentence(pasted.toStdString())), clean);
    }

    void guessesWithoutAnalyser()
    {
        // Every word a guess, marked for the teacher; the elision and the
        // punctuation follow the same conventions.
        const auto units = proposeUnits(plainTokens("L'uomo, comperandola, è felice!"));
        QCOMPARE(brief(units), QStringLiteral("L'/1 uomo,/2 comperando-/5 la,/4 è/5 felice!/2"));
        for (const auto &u : units)
            if (u.unit.text != "L'" && u.unit.text != "è")
                QVERIFY2(u.toCheck, u.unit.text.c_str());
    }

    void rulesThroughTheAnalyser_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("units");
        QTest::newRow("compound tense, possessive")
            << QStringLiteral("Il mio amico mi ha invitato.")
            << QStringLiteral("Il/1 mio/3 amico/2 mi/4 ha invitato./5");
        QTest::newRow("pronominal verbs")
            << QStringLiteral("Lui si arrabbiò e se ne andò.")
            << QStringLiteral("Lui/4 si arrabbiò/5 e/8 se ne andò./5");
        QTest::newRow("modal with infinitive")
            << QStringLiteral("Ora non posso leggere il giornale.")
            << QStringLiteral("Ora/6 non/6 posso leggere/5 il/1 giornale./2");
        QTest::newRow("enclitic pronoun split")
            << QStringLiteral("La professoressa è venuta per mostrarci i voti.")
            << QStringLiteral("La/1 professoressa/2 è venuta/5 per/7 mostrar-/5 ci/4 i/1 voti./2");
        QTest::newRow("articulated preposition, elision")
            << QStringLiteral("Sull'alta torre c'è una campana.")
            << QStringLiteral("Sull'/7 alta/3 torre/2 c'/6 è/5 una/1 campana./2");
        QTest::newRow("che relative and conjunction")
            << QStringLiteral("La festa che abbiamo preparato dice che siamo bravi.")
            << QStringLiteral("La/1 festa/2 che/4 abbiamo preparato/5 dice/5 che/8 siamo/5 bravi./3");
        QTest::newRow("ci of place, demonstrative pronoun")
            << QStringLiteral("Questa è casa mia: ci andiamo.")
            << QStringLiteral("Questa/4 è/5 casa/2 mia:/3 ci/6 andiamo./5");
        QTest::newRow("exclamation")
            << QStringLiteral("Per Bacco! Che bella giornata.")
            << QStringLiteral("Per Bacco!/9 Che/3 bella/3 giornata./2");
    }
    void rulesThroughTheAnalyser()
    {
        if (!Analyser::missingPackages().isEmpty())
            QSKIP(qPrintable(QStringLiteral("analizzatore non installato (mancano: %1)")
                                 .arg(Analyser::missingPackages().join(QStringLiteral(", ")))));
        QFETCH(QString, sentence);
        QFETCH(QString, units);
        static Analyser analyser;  // one pipeline for all rows, as in the editor
        const auto tokens = analyser.analyse(sentence);
        QVERIFY2(tokens.has_value(), qPrintable(analyser.status()));
        QCOMPARE(brief(proposeUnits(*tokens)), units);
    }
};

QTEST_GUILESS_MAIN(TestEditorAnalysis)
#include "test_editor_analysis.moc"
