#include "analyser.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>

namespace editor {

namespace {

// Output this much longer than the input is not an analysis.
constexpr qsizetype kMaxOutputFactor = 200;
constexpr qsizetype kMaxOutputBase = 1 << 20;

QString stageName(const PipelineStage &s) { return QFileInfo(s.program).fileName(); }

}  // namespace

std::vector<PipelineStage> Analyser::italianPipeline(const QString &dataDir)
{
    const QString d = dataDir + QLatin1Char('/');
    return {
        {QStringLiteral("lt-proc"), {QStringLiteral("-z"), QStringLiteral("-w"), d + QStringLiteral("ita-spa.automorf.bin")}},
        {QStringLiteral("cg-proc"), {QStringLiteral("-z"), QStringLiteral("-w"), d + QStringLiteral("ita-spa.rlx.bin")}},
        {QStringLiteral("apertium-tagger"),
         {QStringLiteral("-z"), QStringLiteral("-f"), QStringLiteral("-p"), QStringLiteral("-g"), d + QStringLiteral("ita-spa.prob")}},
    };
}

QStringList Analyser::missingPackages(const QString &dataDir)
{
    QStringList missing;
    if (QStandardPaths::findExecutable(QStringLiteral("lt-proc")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("apertium-tagger")).isEmpty())
        missing << QStringLiteral("apertium");
    if (!QFileInfo::exists(dataDir + QStringLiteral("/ita-spa.automorf.bin"))
        || !QFileInfo::exists(dataDir + QStringLiteral("/ita-spa.prob")))
        missing << QStringLiteral("apertium-spa-ita");
    if (QStandardPaths::findExecutable(QStringLiteral("cg-proc")).isEmpty())
        missing << QStringLiteral("cg3");
    return missing;
}

Analyser::Analyser(std::vector<PipelineStage> stages, int timeoutMs)
    : stages_(std::move(stages)), timeoutMs_(timeoutMs)
{
}

Analyser::~Analyser() { stop(); }

bool Analyser::running() const
{
    if (processes_.empty())
        return false;
    for (const auto &p : processes_)
        if (p->state() != QProcess::Running)
            return false;
    return true;
}

void Analyser::stop()
{
    for (auto &p : processes_) {
        p->closeWriteChannel();
        if (p->state() != QProcess::NotRunning) {
            p->kill();
            p->waitForFinished(1000);
        }
    }
    processes_.clear();
    pending_.clear();
}

bool Analyser::start()
{
    if (gaveUp_)
        return false;
    if (running())
        return true;
    stop();
    for (const PipelineStage &s : stages_) {
        auto p = std::make_unique<QProcess>();
        p->setProgram(s.program);
        p->setArguments(s.arguments);
        p->setStandardErrorFile(QProcess::nullDevice());
        if (!processes_.empty())
            processes_.back()->setStandardOutputProcess(p.get());
        processes_.push_back(std::move(p));
    }
    for (std::size_t i = 0; i < processes_.size(); ++i) {
        processes_[i]->start();
        if (!processes_[i]->waitForStarted(timeoutMs_)) {
            const QString problem = QStringLiteral("l'analizzatore non si avvia (programma «%1» non trovato o non eseguibile)")
                                        .arg(stageName(stages_[i]));
            stop();
            return failAndMaybeRestart(problem) && start();
        }
    }
    return true;
}

bool Analyser::revive()
{
    stop();
    gaveUp_ = false;
    restarts_ = 0;
    status_.clear();
    return start();
}

bool Analyser::failAndMaybeRestart(const QString &problem)
{
    stop();
    if (restarts_ == 0) {
        ++restarts_;
        status_ = QStringLiteral("Analizzatore riavviato: %1.").arg(problem);
        return true;
    }
    gaveUp_ = true;
    status_ = QStringLiteral("Analizzatore non disponibile: %1. Si prosegue senza proposte: "
                             "scegliere a mano le parti del discorso.")
                  .arg(problem);
    return false;
}

std::optional<std::vector<Token>> Analyser::attempt(const QByteArray &input, QString &problem)
{
    QProcess &first = *processes_.front();
    QProcess &last = *processes_.back();
    // Without an event loop the bytes leave Qt's buffer only when waited for.
    if (first.write(input) != input.size() || !first.waitForBytesWritten(timeoutMs_)) {
        problem = QStringLiteral("l'analizzatore si è interrotto");
        return std::nullopt;
    }
    const qsizetype limit = kMaxOutputBase + kMaxOutputFactor * input.size();
    QElapsedTimer clock;
    clock.start();
    qsizetype end;
    while ((end = pending_.indexOf('\0')) < 0) {
        if (!running()) {
            problem = QStringLiteral("l'analizzatore si è interrotto");
            return std::nullopt;
        }
        const qint64 left = timeoutMs_ - clock.elapsed();
        if (left <= 0) {
            problem = QStringLiteral("l'analizzatore non ha risposto entro %1 secondi").arg(timeoutMs_ / 1000.0);
            return std::nullopt;
        }
        if (last.waitForReadyRead(int(std::min<qint64>(left, 50))) || last.bytesAvailable() > 0)
            pending_ += last.readAll();
        if (pending_.size() > limit) {
            problem = QStringLiteral("l'analizzatore ha prodotto un testo troppo lungo");
            return std::nullopt;
        }
    }
    const QByteArray answer = pending_.left(end);
    pending_.remove(0, end + 1);
    StreamResult parsed = parseStream(std::string_view(answer.constData(), std::size_t(answer.size())));
    if (!parsed.error.empty()) {
        problem = QStringLiteral("risposta illeggibile dell'analizzatore: %1").arg(QString::fromStdString(parsed.error));
        return std::nullopt;
    }
    // The blank after the last word (a closing quote, an emoji) as a last,
    // empty token.
    Token trailing;
    trailing.blankBefore = std::move(parsed.trailingBlank);
    parsed.tokens.push_back(std::move(trailing));
    return std::move(parsed.tokens);
}

std::optional<std::vector<Token>> Analyser::analyse(const QString &sentence)
{
    QString line = sentence;
    for (QChar &c : line)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar(0))
            c = QLatin1Char(' ');
    const std::string escaped = escapeForAnalyser(line.toStdString());
    // The trailing line end keeps the last punctuation: without a blank after
    // it the first stage holds it back at the flush.
    QByteArray input = QByteArray::fromStdString(escaped);
    input += '\n';
    input += '\0';
    for (;;) {
        if (!start())
            return std::nullopt;
        QString problem;
        auto tokens = attempt(input, problem);
        if (tokens)
            return tokens;
        if (!failAndMaybeRestart(problem))
            return std::nullopt;
    }
}

}  // namespace editor
