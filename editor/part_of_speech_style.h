#pragma once
// The nine parts of speech as the drill shows them: the captions and face
// colours of its answer buttons Com(1..9), read from the exercise window's
// layout so that the editor cannot drift from the drill.

#include <QColor>
#include <QString>

namespace editor {

QColor partOfSpeechColour(int code);   // code 1..9; light grey for none
QString partOfSpeechName(int code);    // "Articolo", ..., "Esclamazione" (single spaces)

}  // namespace editor
