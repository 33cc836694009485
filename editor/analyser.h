#pragma once
// The bridge to the Italian morphological analyser: one long-lived pipeline
// of child processes (analysis, disambiguation rules, tagger), started once
// and fed one sentence at a time. Each sentence ends with a NUL character,
// which makes every stage flush, so the answer comes back at once.
//
// Whatever goes wrong (a program missing, a crash, no answer in time, output
// that cannot be read), the pipeline is restarted once; if it fails again the
// editor goes on without proposals. status() says so in Italian.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "analyser_stream.h"

namespace editor {

struct PipelineStage {
    QString program;
    QStringList arguments;
};

class Analyser {
public:
    // The Italian analysis of the Debian packages apertium-spa-ita and cg3.
    static std::vector<PipelineStage> italianPipeline(
        const QString &dataDir = QStringLiteral("/usr/share/apertium/apertium-spa-ita"));
    // The Debian packages whose files the pipeline needs and cannot find.
    static QStringList missingPackages(
        const QString &dataDir = QStringLiteral("/usr/share/apertium/apertium-spa-ita"));

    // A sentence of 10,000 characters takes about 0.1 s: 3 s means a hang.
    explicit Analyser(std::vector<PipelineStage> stages = italianPipeline(), int timeoutMs = 3000);
    ~Analyser();
    Analyser(const Analyser &) = delete;
    Analyser &operator=(const Analyser &) = delete;

    // Starts the pipeline (also done by the first analyse()).
    bool start();
    // Forgets earlier failures and starts the pipeline afresh: the teacher's
    // "Riavvia l'analizzatore", and the editor's own later retry.
    bool revive();
    // The tokens of one sentence, or nothing when the analyser is not usable.
    // The last token has no surface: it carries the blank after the last word.
    std::optional<std::vector<Token>> analyse(const QString &sentence);

    bool usable() const { return !gaveUp_; }
    bool running() const;
    int restarts() const { return restarts_; }
    QString status() const { return status_; }  // Italian; empty while all is well

private:
    std::optional<std::vector<Token>> attempt(const QByteArray &input, QString &problem);
    void stop();
    bool failAndMaybeRestart(const QString &problem);

    std::vector<PipelineStage> stages_;
    int timeoutMs_;
    std::vector<std::unique_ptr<QProcess>> processes_;
    QByteArray pending_;  // output read past the last answer
    int restarts_ = 0;
    bool gaveUp_ = false;
    QString status_;
};

}  // namespace editor
