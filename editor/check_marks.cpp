#include "check_marks.h"

namespace editor {

namespace {

// Texts and parts of speech: a part changed by hand is a new sentence, with
// its own marks (the changed unit's mark was cleared by the change).
template <typename U, typename Get>
QString keyOf(const std::vector<U> &units, Get unit)
{
    QString key;
    for (const auto &u : units)
        key += QString::fromStdString(unit(u).text) + QChar(0x1F) + QString::number(unit(u).code) + QChar(0x1E);
    return key;
}

}  // namespace

void CheckMarks::remember(const std::vector<ProposedUnit> &units)
{
    std::vector<Marks> marks;
    bool any = false;
    for (const auto &u : units) {
        marks.push_back({u.toCheck, u.featuresToCheck});
        any = any || u.toCheck || u.featuresToCheck;
    }
    const QString key = keyOf(units, [](const ProposedUnit &u) -> const auto & { return u.unit; });
    if (any)
        marks_.insert(key, marks);
    else
        marks_.remove(key);
}

std::vector<ProposedUnit> CheckMarks::recall(const std::vector<engine::collection::Unit> &units) const
{
    const auto found = marks_.constFind(keyOf(units, [](const engine::collection::Unit &u) -> const auto & { return u; }));
    std::vector<ProposedUnit> out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const bool known = found != marks_.constEnd() && i < found->size();
        out.push_back({units[i], known && (*found)[i].unit, known && (*found)[i].features});
    }
    return out;
}

}  // namespace editor
