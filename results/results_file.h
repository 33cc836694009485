#pragma once
// "I miei risultati": a pupil's closed series, with their answers, in one
// file she carries to the teacher (a USB stick, a shared folder). The file
// is JSON, UTF-8, with its kind and version at the top; the answers of a
// series are one flat list, twelve columns an answer, which the file names,
// so a file of a year of practice stays about a megabyte. The file holds the pupil's name and class and her
// answers, nothing else.
//
// Reading is for the teacher's class view, and every file is untrusted: a
// file that is not one of ours, is cut short, damaged or from a newer
// program is refused with an Italian message naming it (and where in it);
// a series in it that makes no sense is named and skipped, the others kept.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "history/class_results.h"

namespace results {

inline constexpr int kFileVersion = 1;
inline constexpr qint64 kMaxFileBytes = 256LL * 1024 * 1024;  // beyond a lifetime of daily practice
inline constexpr int kMaxAnswersPerSeries = 400;              // a series closes at 20
inline constexpr int kMaxTextLength = 1000;

// Who the file belongs to.
struct Owner {
    QString pupil;
    QString className;  // empty at home
};

// The file's bytes for `series`, all of `owner`; `savedAt` in milliseconds
// since the epoch.
QByteArray writeResults(const Owner &owner, const std::vector<history::PupilSeries> &series, std::int64_t savedAt);

// The series of a file's `bytes`; `shownName` names the file in messages.
// What cannot be used goes to `problems`, one Italian line each.
std::vector<history::PupilSeries> readResults(const QByteArray &bytes, const QString &shownName, QStringList &problems);

// One results file on disk, as a source of the class view.
class ResultsFileSource final : public history::ClassResultsSource {
public:
    explicit ResultsFileSource(QString path) : path_(std::move(path)) {}
    QString where() const override;
    std::vector<history::PupilSeries> read(QStringList &problems) override;
    const QString &path() const { return path_; }

private:
    QString path_;
};

}  // namespace results
