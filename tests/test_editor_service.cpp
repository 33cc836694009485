// The editor's way to the analyser: proposals come back through the event
// loop while the caller goes on, a pipeline killed from outside is started
// again, one that has given up is tried again on its own, and the teacher's
// restart starts a new one. Fake analysers are small shell scripts.

#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "file_bytes.h"

#include "editor/proposal_service.h"

using namespace editor;

namespace {

// Answers every NUL-ended sentence with "Grandina." read as a verb; notes
// its process number in `pidFile`; exits at once while `needed` is missing.
QString fakeAnalyser(const QString &pidFile, const QString &needed = QString())
{
    QString script = QStringLiteral("echo $$ > '%1'; ").arg(pidFile);
    if (!needed.isEmpty())
        script += QStringLiteral("[ -e '%1' ] || exit 3; ").arg(needed);
    return script + QStringLiteral("while read -r -d '' x; do "
                                   "printf '^Grandina/grandinare<vblex><pri><p3><sg>$^./.<sent>$\\n\\0'; done");
}

std::unique_ptr<ProposalService> service(const QString &script, int retryMs)
{
    auto analyser = std::make_unique<Analyser>(
        std::vector<PipelineStage>{{QStringLiteral("bash"), {QStringLiteral("-c"), script}}}, 5000);
    // Without the lexicon: a guess is then told from the analyser's answer.
    return std::make_unique<ProposalService>(std::make_unique<SentenceProposer>(std::move(analyser), nullptr), retryMs);
}

// The proposals of one request, once they are back.
std::optional<ProposalService::Proposals> ask(ProposalService &s, const QStringList &sentences)
{
    std::optional<ProposalService::Proposals> got;
    auto c = QObject::connect(&s, &ProposalService::done, [&](const ProposalService::Proposals &p) { got = p; });
    if (s.request(sentences))
        (void)QTest::qWaitFor([&] { return got.has_value(); }, 30000);
    QObject::disconnect(c);
    return got;
}

bool fromAnalyser(const ProposalService::Proposals &p)
{
    return p.size() == 1 && !p[0].empty() && p[0][0].unit.code == 5 && !p[0][0].toCheck;
}

}  // namespace

class TestEditorService : public QObject {
    Q_OBJECT

private slots:
    void answersWithoutBlocking()
    {
        QTemporaryDir dir;
        auto s = service(fakeAnalyser(dir.filePath(QStringLiteral("pid"))), 60000);
        QVERIFY(s->hasAnalyser());
        bool delivered = false;
        connect(s.get(), &ProposalService::done, this, [&] { delivered = true; });
        QVERIFY(s->request({QStringLiteral("Grandina.")}));
        QVERIFY(s->busy());
        QVERIFY(!delivered);                                // comes later, through the event loop
        QVERIFY(!s->request({QStringLiteral("Piove.")}));  // one at a time
        QTRY_VERIFY_WITH_TIMEOUT(delivered, 30000);
        QVERIFY(!s->busy());
    }

    void withoutAnalyserAnswersAtOnce()
    {
        ProposalService s(std::make_unique<SentenceProposer>(nullptr));
        QVERIFY(!s.hasAnalyser());
        bool delivered = false;
        connect(&s, &ProposalService::done, this, [&] { delivered = true; });
        QVERIFY(s.request({QStringLiteral("Il cane corre.")}));
        QVERIFY(delivered);
        QVERIFY(!s.busy());
    }

    void killedPipelineIsStartedAgain()
    {
        QTemporaryDir dir;
        const QString pidFile = dir.filePath(QStringLiteral("pid"));
        auto s = service(fakeAnalyser(pidFile), 60000);
        auto first = ask(*s, {QStringLiteral("Grandina.")});
        QVERIFY(first && fromAnalyser(*first));
        const pid_t pid = readBytes(pidFile).trimmed().toInt();
        QVERIFY(pid > 0);
        QCOMPARE(::kill(pid, SIGKILL), 0);
        auto second = ask(*s, {QStringLiteral("Grandina.")});
        QVERIFY(second && fromAnalyser(*second));
        QVERIFY2(s->state().contains(QStringLiteral("riavviato")), qPrintable(s->state()));
        QVERIFY(readBytes(pidFile).trimmed().toInt() != pid);

        // The teacher's restart: a new pipeline, said in the status line.
        const QByteArray before = readBytes(pidFile);
        s->restartAnalyser();
        QTRY_COMPARE_WITH_TIMEOUT(s->state(), QStringLiteral("Analizzatore riavviato: pronto."), 30000);
        QVERIFY(readBytes(pidFile) != before);
        auto third = ask(*s, {QStringLiteral("Grandina.")});
        QVERIFY(third && fromAnalyser(*third));
    }

    void analyserThatGaveUpIsTriedAgainOnItsOwn()
    {
        QTemporaryDir dir;
        const QString ready = dir.filePath(QStringLiteral("installato"));
        auto s = service(fakeAnalyser(dir.filePath(QStringLiteral("pid")), ready), 200);
        // Fails twice at start: guesses meanwhile, and the teacher told what to do.
        QTRY_VERIFY_WITH_TIMEOUT(s->state().contains(QStringLiteral("Nuovo tentativo")), 30000);
        QVERIFY(s->state().contains(QStringLiteral("Riavvia l'analizzatore")));
        auto guessed = ask(*s, {QStringLiteral("Grandina.")});
        QVERIFY(guessed && !guessed->front().empty() && !fromAnalyser(*guessed));
        // Once it can start, it comes back without being asked.
        writeBytes(ready, "");
        QTRY_COMPARE_WITH_TIMEOUT(s->state(), QStringLiteral("Analizzatore pronto."), 30000);
        auto proposed = ask(*s, {QStringLiteral("Grandina.")});
        QVERIFY(proposed && fromAnalyser(*proposed));
    }

    void realAnalyserThroughTheService()
    {
        if (!Analyser::missingPackages().isEmpty())
            QSKIP("analizzatore non installato");
        ProposalService s(std::make_unique<SentenceProposer>(std::make_unique<Analyser>()));
        auto p = ask(s, {QStringLiteral("Il cane corre."), QStringLiteral("Piove.")});
        QVERIFY(p.has_value());
        QCOMPARE(p->size(), std::size_t(2));
        QCOMPARE(p->at(0).size(), std::size_t(3));
        QCOMPARE(p->at(0)[2].unit.code, 5);
        QCOMPARE(s.state(), QStringLiteral("Analizzatore pronto."));
    }
};

QTEST_MAIN(TestEditorService)
#include "test_editor_service.moc"
