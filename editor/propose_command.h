#pragma once
// `analisi-grammaticale-frasi --proponi`: plain sentences on standard input,
// one per line; the proposed collection lines on standard output, one per
// input line, in order; notes for the teacher on standard error.

#include <QTextStream>

namespace editor {

class SentenceProposer;

int runProposeCommand(SentenceProposer &proposer, QTextStream &in, QTextStream &out, QTextStream &err);

}  // namespace editor
