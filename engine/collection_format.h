#pragma once
// Teachers' sentence collections: plain UTF-8 text files, one sentence per
// line, units separated by '|', each unit "text = analysis":
//
//     # Frasi della 2ª B
//     Il = art det m s | mio = agg m s | amico = nome m s | ha invitato = verbo
//
// The analysis is the part of speech (Italian word, school abbreviation or
// its number 1..9), then optionally the article's kind and the gender and
// number; for a verb its infinitive, mood, tense, person, number, form and
// transitivity ("ha preparato = verbo preparare ind passato-prossimo 3 s att
// tr"), in any order; for the other parts their kind, a qualifying
// adjective's degree and a personal pronoun's person ("agg qual sup f p",
// "pron pers 1 s", "avv modo", "prep art": engine/kind_words.h). A line
// "@domande modo tempo" restricts the further
// questions asked about the file's sentences.
//
// This is the one reader and writer of the format: the drill loads
// collections with it and the sentence editor reads and writes them with it.
// Everything here is untrusted input: nothing throws, every line that cannot
// be used comes back as Invalid with a message in Italian naming where.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "features.h"
#include "further_questions.h"

namespace engine::collection {

inline constexpr int kMaxUnits = 22;  // the exercise window's word rows

// A unit's text must fit its row of the exercise window's word column at
// 1024x768 (engine/word_room.h): about 22 letters in the last rows, about 30
// in the first.
// A line longer than this is left out unread: 22 units of the longest texts
// that fit, with the longest spelled-out analysis, stay well under it.
inline constexpr std::size_t kMaxLineBytes = 4096;
// Lines read from one file; the rest of a longer file is left out.
inline constexpr int kMaxLines = 100000;

struct Unit {
    std::string text;  // trimmed; shown exactly so, punctuation included
    int code = 0;      // 1..9, the order of the part-of-speech buttons
    Features features;
    bool operator==(const Unit &) const = default;
};

// A problem found in a collection, for the teacher. Line and column are
// 1-based (the column counts characters, not bytes); 0 where they do not apply.
struct Message {
    int line = 0;
    int column = 0;
    std::string text;  // Italian, e.g. "«nomee» non è una parte del discorso"
};

struct Line {
    enum class Kind { Blank, Comment, OnlyThese, Sentence, Invalid, Questions };
    Kind kind = Kind::Blank;
    std::string raw;          // the line exactly as read, without its line end
    std::vector<Unit> units;  // Sentence only
    Message problem;          // Invalid only
    QuestionSet questions = 0;  // Questions only: the rows it names
};

// One line. `lineNumber` goes into the problem's position.
Line parseLine(std::string_view raw, int lineNumber);

// A whole file's bytes: UTF-8 with or without BOM, LF or CRLF. Every line is
// kept in order, so that an editor can write back what it did not change.
struct File {
    std::vector<Line> lines;
    std::vector<Message> messages;  // file-level problems, then each invalid line's
    bool onlyThese = false;         // the file asks to leave out the built-in sentences
    // The further questions asked about its sentences: the union of its
    // `@domande` lines, all without one.
    QuestionSet questions = kAllQuestions;
};
File parseFile(std::string_view bytes);

// A unit's text as a collection holds it: without the spaces and tabs
// around it.
std::string_view trim(std::string_view text);

// Live check of a sentence being edited: empty when it can be drilled.
std::vector<Message> checkUnits(const std::vector<Unit> &units);

// The canonical form a program writes: "text = abbreviation [features]",
// single spaces, units joined by " | ", lower case, no dots.
std::string writeLine(const std::vector<Unit> &units);
std::string abbreviation(int code);                    // "art", "nome", ..., "escl"
std::string featureWords(int code, const Features &f);  // "det m s", "" when unset
// The line by which a collection leaves out the built-in sentences. Read in
// any case and with any blanks around and between its words; written so.
inline constexpr std::string_view kOnlyTheseLine = "@solo queste frasi";
// The command that names the further questions a collection asks.
inline constexpr std::string_view kQuestionsCommand = "@domande";

// "frasi.txt, riga 3, colonna 17: «nomee» non è una parte del discorso"
std::string describe(std::string_view fileName, const Message &message);

}  // namespace engine::collection
