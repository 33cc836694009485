#pragma once
// What the drill says aloud, as plain text for the voice.

#include <QString>
#include <QStringList>

namespace speech {

// The question the answer panel asks now.
enum class Question { None, VariableOrNot, PartOfSpeech, ArticleKind, Gender, Number };

// The sentence, then the unit to classify; the question when `question` is
// not None. Units are the word column's rows in order, blanks left out.
QString sentenceUtterance(const QStringList &units, const QString &unit, Question question);

QString questionText(Question question);

// A message of the window ("No riprova !") as it is said: without the marks
// that are there only for the eye.
QString spokenMessage(const QString &message);

}  // namespace speech
