#pragma once
// The full-form lexicon of Italian (Morph-it!'s nouns, adjectives and verbs):
// for a word as written, every reading the lexicon knows, with the lemma and
// the features the complete analysis asks (gender and number; for verbs the
// infinitive, mood, tense, person and number). The file is mapped into
// memory and checked once when opened; it is data from outside the program,
// so a damaged file gives an Italian message and no lexicon, never a crash.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "engine/features.h"

class QFile;

namespace lexicon {

enum class PartOfSpeech : std::uint8_t { Noun = 1, Adjective = 2, Verb = 3 };
enum class Mood : std::uint8_t {
    None = 0, Indicativo, Congiuntivo, Condizionale, Imperativo, Infinito, Participio, Gerundio
};
enum class Tense : std::uint8_t { None = 0, Presente, Imperfetto, PassatoRemoto, Futuro, Passato };

struct Analysis {
    PartOfSpeech pos;
    std::string_view lemma;  // the infinitive of a verb; lives as long as the lexicon
    engine::Gender gender = engine::Gender::Unset;
    engine::Number number = engine::Number::Unset;
    Mood mood = Mood::None;
    Tense tense = Tense::None;
    int person = 0;  // 1..3 for the persons of a finite verb
};

class Lexicon {
public:
    // The file at `path`, mapped; nothing and `problem` set (Italian) when it
    // is missing or damaged.
    static std::unique_ptr<Lexicon> open(const QString &path, QString *problem);
    // The same checks over bytes already in memory (kept by the lexicon).
    static std::unique_ptr<Lexicon> fromBytes(QByteArray bytes, QString *problem);
    ~Lexicon();

    // Every reading of `word` (any case: "Cane" finds "cane"); empty when
    // the lexicon does not know it.
    std::vector<Analysis> lookUp(std::string_view word) const;
    bool knows(std::string_view word) const;
    std::size_t formCount() const { return formCount_; }

private:
    Lexicon() = default;
    bool check(QString *problem);
    long find(std::string_view lowerWord) const;  // form index or -1

    QByteArray bytes_;                 // when built from memory
    std::unique_ptr<QFile> file_;      // when mapped
    const unsigned char *data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t formCount_ = 0, analysisCount_ = 0, poolSize_ = 0;
    const unsigned char *forms_ = nullptr, *analyses_ = nullptr;
    const char *pool_ = nullptr;
};

// Where the lexicon is: beside the program (the build folder), else in the
// data folders (/usr/share/analisi-grammaticale/lessico/ once installed).
QString installedLexiconPath();

}  // namespace lexicon
