#pragma once
// A collection file as the editor holds it: every line in order, so that
// what the teacher did not touch is written back exactly as it was read
// (comments, blank lines, and lines that cannot be read, with their
// message). Saving is atomic and refuses to overwrite a file that changed on
// disk since it was read, e.g. saved meanwhile by a second editor.
// Qt Core only: testable without a screen.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

#include "engine/collection_format.h"

namespace editor {

class CollectionDocument {
public:
    using Line = engine::collection::Line;
    using Unit = engine::collection::Unit;

    enum class SaveResult { Saved, ChangedOnDisk, Failed };

    // An empty, unnamed collection.
    CollectionDocument() = default;

    // Reads `path`; false with an Italian message in error() when it cannot.
    bool load(const QString &path);
    // Writes to `path` (the current one when empty). Unless `overwrite`, a
    // file that changed on disk since it was read is left alone.
    SaveResult save(const QString &path = QString(), bool overwrite = false);
    // Has the file changed on disk since it was read or saved?
    bool changedOnDisk() const;

    QString path() const { return path_; }
    QString error() const { return error_; }
    bool modified() const { return modified_; }
    // Messages of the file as read (file-level ones first).
    const std::vector<engine::collection::Message> &messages() const { return messages_; }

    // The entries the teacher sees: sentences and unreadable lines.
    int entryCount() const { return int(entries_.size()); }
    const Line &entry(int index) const { return lines_[std::size_t(entries_[std::size_t(index)])]; }
    int lineNumber(int index) const { return entries_[std::size_t(index)] + 1; }

    // Editing. New entries go after `index` (or at the end when it is -1).
    int insertSentence(int afterIndex, const std::vector<Unit> &units);
    void setUnits(int index, const std::vector<Unit> &units);
    void remove(int index);
    bool moveUp(int index);    // swaps the two entries' lines; comments stay put
    bool moveDown(int index);

    bool onlyThese() const;
    void setOnlyThese(bool on);

    // The file's bytes as they would be saved.
    QByteArray serialise() const;

private:
    void reindex();
    QByteArray readDisk(bool *exists) const;
    static Line sentenceLine(const std::vector<Unit> &units);

    QString path_;
    QString error_;
    std::vector<Line> lines_;
    std::vector<int> entries_;  // indexes into lines_
    std::vector<engine::collection::Message> messages_;
    bool modified_ = false;
    bool bom_ = false;
    QByteArray eol_ = "\n";
    bool finalEol_ = true;
    // What was on disk when read or last saved: compared before saving.
    QByteArray diskBytes_;
    bool diskExisted_ = false;
};

// Files larger than this are not opened: no teacher's collection comes near.
inline constexpr qint64 kMaxCollectionBytes = 8 * 1024 * 1024;

}  // namespace editor
