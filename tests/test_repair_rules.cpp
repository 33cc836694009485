// The context repairs of the proposals, one row per repair: its example
// sentence goes through the real analyser and the build's lexicon, must give
// the units the repair is there for, and the repair must be the one that
// fired. A lexicon from the converter's own data checks the feature doubt.

#include <QTest>

#include "editor/analyser.h"
#include "editor/unit_rules.h"
#include "proposal_brief.h"
#include "lexicon/lexicon.h"
#include "lexicon/lexicon_builder.h"

using namespace editor;

namespace {

}  // namespace

class TestRepairRules : public QObject {
    Q_OBJECT
private slots:
    void examples_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("example");
        QTest::addColumn<QByteArray>("analysis");
        QTest::addColumn<QString>("expected");
        for (const RepairRule &r : repairRules())
            QTest::newRow(r.name) << QString::fromUtf8(r.name) << QString::fromUtf8(r.example)
                                  << QByteArray(r.analysis) << QString::fromUtf8(r.expected);
    }
    void examples()
    {
        QFETCH(QString, name);
        QFETCH(QString, example);
        QFETCH(QByteArray, analysis);
        QFETCH(QString, expected);
        std::vector<std::string> fired;
        if (!analysis.isEmpty()) {  // the analyser's mistake written out, without the lexicon
            const StreamResult r = parseStream(std::string_view(analysis.constData(), std::size_t(analysis.size())));
            QVERIFY2(r.error.empty(), r.error.c_str());
            QStringList surfaces;
            for (const Token &t : r.tokens)
                surfaces << QString::fromStdString(t.blankBefore + t.surface);
            QCOMPARE(surfaces.join(QString()), example);  // the analysis is of the example
            QCOMPARE(brief(proposeUnits(r.tokens, nullptr, &fired)), expected);
        } else {
            if (!Analyser::missingPackages().isEmpty())
                QSKIP("analizzatore non installato");
            static Analyser analyser;  // one pipeline for all rows, as in the editor
            static QString problem;
            static const auto lex = lexicon::Lexicon::open(QStringLiteral(LEXICON_FILE), &problem);
            QVERIFY2(lex, qPrintable(problem));
            const auto tokens = analyser.analyse(example);
            QVERIFY2(tokens.has_value(), qPrintable(analyser.status()));
            QCOMPARE(brief(proposeUnits(*tokens, lex.get(), &fired)), expected);
        }
        QVERIFY2(std::find(fired.begin(), fired.end(), name.toStdString()) != fired.end(),
                 qPrintable(QStringLiteral("la regola non è scattata")));
    }

    // Verb groups whose words the analyser does not know, or reads in
    // another person: the lexicon's participle after an auxiliary, the
    // particle's person choosing the verb's reading.
    void verbGroupsWithTheLexicon_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("units");
        QTest::newRow("participle the analyser does not know")
            << QStringLiteral("Il vento ha spezzato i rami.")
            << QStringLiteral("Il/1 vento/2 ha spezzato/5 i/1 rami./2");
        QTest::newRow("reflexive verb the analyser does not know")
            << QStringLiteral("Anna si pettina.") << QStringLiteral("Anna/2 si pettina./5");
        QTest::newRow("particle of the first person, verb read as the third")
            << QStringLiteral("Me ne sono accorto.") << QStringLiteral("Me ne sono accorto./5");
        QTest::newRow("particle of another person than the verb's")
            << QStringLiteral("Mi presti il libro?") << QStringLiteral("Mi/4 presti/5 il/1 libro?/2");
        QTest::newRow("ci of place stays an adverb")
            << QStringLiteral("Ci sono due gatti.") << QStringLiteral("Ci/6 sono/5 due/3 gatti./2");
    }
    void verbGroupsWithTheLexicon()
    {
        if (!Analyser::missingPackages().isEmpty())
            QSKIP("analizzatore non installato");
        QFETCH(QString, sentence);
        QFETCH(QString, units);
        static Analyser analyser;
        static QString problem;
        static const auto lex = lexicon::Lexicon::open(QStringLiteral(LEXICON_FILE), &problem);
        QVERIFY2(lex, qPrintable(problem));
        const auto tokens = analyser.analyse(sentence);
        QVERIFY2(tokens.has_value(), qPrintable(analyser.status()));
        QCOMPARE(brief(proposeUnits(*tokens, lex.get())), units);
    }

    // Where the sentence-head verb, the predicate's adjective and the
    // numeral after an article must leave the reading as it is.
    void repairsLeaveAlone_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("units");
        QTest::newRow("a noun after essere stays a noun")
            << QStringLiteral("Mio zio è maestro.") << QStringLiteral("Mio/3 zio/2 è/5 maestro./2");
        QTest::newRow("a degree adverb before the adjective")
            << QStringLiteral("La zuppa è troppo salata.") << QStringLiteral("La/1 zuppa/2 è/5 troppo/6 salata./3");
        QTest::newRow("a numeral before its noun")
            << QStringLiteral("Le tre sorelle giocano.") << QStringLiteral("Le/1 tre/3 sorelle/2 giocano./5");
        QTest::newRow("a sentence-head noun with its adjective")
            << QStringLiteral("Porta rossa a destra.") << QStringLiteral("Porta/2 rossa/3 a/7 destra./2");
        QTest::newRow("a vocative before a comma")
            << QStringLiteral("Mamma, vieni qui!") << QStringLiteral("Mamma,/2 vieni/5 qui!/6");
    }
    void repairsLeaveAlone() { verbGroupsWithTheLexicon(); }

    // Words unknown to the analyser take the lexicon's features, and a
    // form of two genders or numbers is marked for the teacher to check.
    void lexiconFeaturesAndDoubt_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QString>("units");  // text/code/features, "?" where in doubt
        QTest::newRow("noun, adjective and verb from the lexicon")
            << QByteArray("^Le/il<det><def><f><pl>$ ^zebre/*zebre$ ^felici/*felici$ ^galoppano/*galoppano$")
            << QStringLiteral("Le/1/det f p zebre/2/f p felici/3/m p? galoppano/5/");
        QTest::newRow("same form for both numbers")
            << QByteArray("^la/il<det><def><f><sg>$ ^gru/*gru$")
            << QStringLiteral("la/1/det f s gru/2/f s?");
        QTest::newRow("elided article takes its noun's gender")
            << QByteArray("^L'/Il<det><def><mf><sg>$ ^albero/albero<n><m><sg>$ ^e/e<cnjcoo>$ "
                          "^l'/il<det><def><mf><sg>$ ^erba/erba<n><f><sg>$")
            << QStringLiteral("L'/1/det m s albero/2/m s e/8/ l'/1/det f s erba/2/f s");
        QTest::newRow("elided article without gender and number")
            << QByteArray("^l'/l'<det><def>$ ^anno/anno<n><m><sg>$")
            << QStringLiteral("l'/1/det m s anno/2/m s");
        QTest::newRow("a time after an articulated preposition takes its article's gender and number")
            << QByteArray("^alle/a<pr>+il<det><def><f><pl>$ ^9/9<num>$^./.<sent>$")
            << QStringLiteral("alle/7/ 9./2/f p");
        QTest::newRow("elided article before a noun of both genders stays without one")
            << QByteArray("^l'/il<det><def><mf><sg>$ ^insegnante/insegnante<n><mf><sg>$")
            << QStringLiteral("l'/1/det s insegnante/2/s");
        QTest::newRow("a capital inside the sentence stays a name")
            << QByteArray("^vedo/vedere<vblex><pri><p1><sg>$ ^Galoppano/*Galoppano$")
            << QStringLiteral("vedo/5/ Galoppano/2/");
    }
    void lexiconFeaturesAndDoubt()
    {
        QFETCH(QByteArray, stream);
        QFETCH(QString, units);
        lexicon::LexiconBuilder b;
        QString problem;
        QVERIFY(b.addWords(R"({"zebra":{"G":"F","P":"zebre"},"gru":{"G":"F","P":"gru"}})", &problem));
        QVERIFY(b.addAdjectives(R"({"felice":{"MP":"felici","FS":"felice","FP":"felici"}})", &problem));
        QVERIFY(b.addVerbs(R"({"galoppare":{"ind":{"pres":{"P3":"galoppano"}}}})", &problem));
        const auto lex = lexicon::Lexicon::fromBytes(b.build(), &problem);
        QVERIFY2(lex, qPrintable(problem));
        const StreamResult r = parseStream(std::string_view(stream.constData(), std::size_t(stream.size())));
        QStringList out;
        for (const ProposedUnit &u : proposeUnits(r.tokens, lex.get()))
            out << QStringLiteral("%1/%2/%3%4")
                       .arg(QString::fromStdString(u.unit.text))
                       .arg(u.unit.code)
                       .arg(QString::fromStdString(engine::collection::featureWords(u.unit.code, u.unit.features)))
                       .arg(u.featuresToCheck ? QStringLiteral("?") : QString());
        QCOMPARE(out.join(QLatin1Char(' ')), units);
    }
};

QTEST_GUILESS_MAIN(TestRepairRules)
#include "test_repair_rules.moc"
