#pragma once
// A proposal written short for comparisons: "Il/1 mio/3 amico/2", texts and
// codes only.

#include <QString>
#include <QStringList>
#include <vector>

#include "editor/unit_rules.h"

inline QString brief(const std::vector<editor::ProposedUnit> &units)
{
    QStringList out;
    for (const auto &u : units)
        out << QStringLiteral("%1/%2").arg(QString::fromStdString(u.unit.text)).arg(u.unit.code);
    return out.join(QLatin1Char(' '));
}
