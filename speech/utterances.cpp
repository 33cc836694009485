#include "utterances.h"

namespace speech {

QString questionText(Question question)
{
    switch (question) {
    case Question::VariableOrNot: return QStringLiteral("È una parte variabile o invariabile?");
    case Question::PartOfSpeech: return QStringLiteral("Che parte del discorso è?");
    case Question::ArticleKind: return QStringLiteral("È un articolo determinativo, indeterminativo o partitivo?");
    case Question::Gender: return QStringLiteral("È maschile o femminile?");
    case Question::Number: return QStringLiteral("È singolare o plurale?");
    case Question::None: break;
    }
    return {};
}

QString sentenceUtterance(const QStringList &units, const QString &unit, Question question)
{
    QStringList words;
    for (const QString &u : units) {
        // A unit cut at a hyphen ("comperando-") is read as the word it is.
        QString w = u.simplified();
        while (w.endsWith(QLatin1Char('-')))
            w.chop(1);
        if (!w.isEmpty())
            words << w;
    }
    QString text = words.join(QLatin1Char(' '));
    if (!text.isEmpty() && !text.back().isPunct())
        text += QLatin1Char('.');
    text += QStringLiteral(" La parola da analizzare è: ") + unit.simplified() + QLatin1Char('.');
    if (question != Question::None)
        text += QLatin1Char(' ') + questionText(question);
    return text;
}

QString spokenMessage(const QString &message)
{
    QString m = message.simplified();
    while (!m.isEmpty() && (m.back() == QLatin1Char('!') || m.back() == QLatin1Char(' ')))
        m.chop(1);
    return m;
}

}  // namespace speech
