#pragma once
// The calendar time stamped on answers and series (the drill's own clock is a
// steady one, which knows no dates). Tests pass a fake.

#include <QDateTime>
#include <cstdint>

namespace history {

class WallClock {
public:
    virtual ~WallClock() = default;
    virtual std::int64_t nowMsSinceEpoch() const = 0;  // UTC
};

class SystemWallClock final : public WallClock {
public:
    std::int64_t nowMsSinceEpoch() const override { return QDateTime::currentMSecsSinceEpoch(); }
};

}  // namespace history
