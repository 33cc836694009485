#pragma once
// The "?" marks of the sentences of a collection: which units hold a word
// the analyser did not know, and which features were proposed with doubt. They are not written in the file, so the
// editor remembers them by the sentence they belong to, and finds them again
// when the teacher comes back to it after moving elsewhere (entries may have
// moved, been added or removed in between).

#include <QHash>
#include <QString>
#include <vector>

#include "unit_rules.h"

namespace editor {

class CheckMarks {
public:
    void remember(const std::vector<ProposedUnit> &units);
    // The units with the marks remembered for exactly these units, if any.
    std::vector<ProposedUnit> recall(const std::vector<engine::collection::Unit> &units) const;

private:
    struct Marks {
        bool unit = false;
        bool features = false;
    };
    QHash<QString, std::vector<Marks>> marks_;
};

}  // namespace editor
