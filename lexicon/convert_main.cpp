// lexicon_convert <out.lex> <words.json> <adjectives.json> <verbs.json>
// Run by the build: turns Morph-it!'s data into the compact lexicon file,
// and reads the result back through the program's own reader before
// writing it, so that a lexicon that the editor would refuse is never shipped.

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

#include "lexicon.h"
#include "lexicon_builder.h"

namespace {

int fail(const QString &why)
{
    std::fprintf(stderr, "lexicon_convert: %s\n", why.toUtf8().constData());
    return 1;
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 5)
        return fail(QStringLiteral("uso: lexicon_convert <uscita.lex> <words.json> <adjectives.json> <verbs.json>"));
    lexicon::LexiconBuilder builder;
    using Reader = bool (lexicon::LexiconBuilder::*)(const QByteArray &, QString *);
    const Reader readers[] = {&lexicon::LexiconBuilder::addWords, &lexicon::LexiconBuilder::addAdjectives,
                              &lexicon::LexiconBuilder::addVerbs};
    for (int i = 0; i < 3; ++i) {
        QFile in(QString::fromLocal8Bit(argv[2 + i]));
        if (!in.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("%1: non si può leggere").arg(in.fileName()));
        QString problem;
        if (!(builder.*readers[i])(in.readAll(), &problem))
            return fail(problem);
    }
    const QByteArray bytes = builder.build();
    QString problem;
    if (!lexicon::Lexicon::fromBytes(bytes, &problem))
        return fail(problem);
    QSaveFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return fail(QStringLiteral("%1: non si può scrivere").arg(out.fileName()));
    std::printf("lexicon_convert: %zu forme, %lld byte\n", builder.formCount(), static_cast<long long>(bytes.size()));
    return 0;
}
