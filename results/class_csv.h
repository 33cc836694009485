#pragma once
// The class view's export for a spreadsheet: one row per pupil and week with
// practice, UTF-8 with a byte-order mark (so spreadsheets on every system
// read the accents), a header line, commas, fields quoted where needed.
// The names of grades and categories the view and the printout share.

#include <QByteArray>
#include <QString>

#include "class_summary.h"

namespace results {

// "ottimo" .. "occorre esercitarsi" for grades 5..1.
QString gradeName(int grade);
// The categories of history::shareCategory: the nine parts of speech, then
// the article's kind, gender, number and the verb's analysis.
QString categoryName(int category);

QByteArray classCsv(const ClassSummary &summary);

}  // namespace results
