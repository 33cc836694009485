#include "utterances.h"

namespace speech {

QString questionText(Question question)
{
    switch (question) {
    case Question::VariableOrNot: return QStringLiteral("È una parte variabile o invariabile?");
    case Question::PartOfSpeech: return QStringLiteral("Che parte del discorso è?");
    case Question::None: break;
    }
    return {};
}

QString choiceQuestion(const QString &prompt, const QStringList &choices)
{
    QStringList named;
    bool allInPrompt = true;
    for (const QString &c : choices) {
        const QString choice = c.simplified();
        if (choice.isEmpty())
            continue;
        named << choice;
        allInPrompt = allInPrompt && prompt.contains(choice, Qt::CaseInsensitive);
    }
    if (named.isEmpty() || allInPrompt)
        return prompt.simplified();
    const QString last = named.takeLast();
    const QString list = named.isEmpty() ? last : named.join(QStringLiteral(", ")) + QStringLiteral(" o ") + last;
    return prompt.simplified() + QLatin1Char(' ') + list + QLatin1Char('.');
}

QString sentenceUtterance(const QStringList &units, const QString &unit, const QString &question)
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
    if (!question.isEmpty())
        text += QLatin1Char(' ') + question;
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
