#pragma once
// What the drill says aloud, as plain text for the voice.

#include <QString>
#include <QStringList>

namespace speech {

// The two questions every unit gets; the further questions of the complete
// analysis are said as the window writes them (choiceQuestion).
enum class Question { None, VariableOrNot, PartOfSpeech };

// The sentence, then the unit to classify; then `question` when it is not
// empty. Units are the word column's rows in order, blanks left out.
QString sentenceUtterance(const QStringList &units, const QString &unit, const QString &question);

QString questionText(Question question);

// A further question as written above its buttons ("Che tipo di articolo
// è?"), then its choices ("Determinativo, Indeterminativo o Partitivo."),
// unless the question already names them all ("È maschile o femminile?").
QString choiceQuestion(const QString &prompt, const QStringList &choices);

// A message of the window ("No riprova !") as it is said: without the marks
// that are there only for the eye.
QString spokenMessage(const QString &message);

}  // namespace speech
