#pragma once
// A made-up class for the benchmark, the pictures and the tests: each pupil
// a sample history (history/sample_history.h) of their own, saved as the
// pupil saves "i miei risultati".

#include <QString>
#include <QStringList>

#include "history/sample_history.h"

namespace results {

struct SampleClass {
    QStringList files;  // one results file per pupil, in `folder`
    history::SampleSize size;
};

// `pupils` results files in `folder` (at most 30 pupils have names; more are
// numbered), each pupil's history made from `shape` with a seed of its own.
bool writeSampleClass(const QString &folder, const QString &className, int pupils, history::SampleShape shape,
                      SampleClass &out, QString &error);

}  // namespace results
