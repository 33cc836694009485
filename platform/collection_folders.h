#pragma once
// Where the teachers' collections live and how they are read: every *.txt
// file in analisi-grammaticale/frasi/ under each system data folder
// ($XDG_DATA_DIRS) and then under the user's (~/.local/share), each folder's
// files in name order. The files are untrusted: whatever cannot be read is
// left out with a message, never a dialog.

#include <QStringList>

#include "../engine/collection_bank.h"

namespace platform {

// A file larger than this is refused before it is read: 10,000 sentences of
// 22 units in the canonical form take about 5 MB.
inline constexpr qint64 kMaxCollectionBytes = 16 * 1024 * 1024;
// All the collections together: once this much is read, the rest is left out.
inline constexpr qint64 kMaxTotalCollectionBytes = 64 * 1024 * 1024;

// The collection folders, system ones first and the user's last.
QStringList collectionFolders();

// The collection files of the folders, in the order they load.
QStringList collectionFiles(const QStringList &folders, std::vector<std::string> &messages);

// Reads the given files, in order.
engine::collection::Sources readCollectionFiles(const QStringList &paths);

// The folders' files, read: what the exercise window loads.
engine::collection::Sources readCollections();

}  // namespace platform
