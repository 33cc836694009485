#pragma once
// Where the drill reads elapsed time. Production uses a steady clock, so a
// run across midnight or a change of the system time does not break it.

#include <chrono>
#include <cstdint>

namespace engine {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nowMs() const = 0;  // milliseconds on a steady scale
};

class SteadyClock final : public Clock {
public:
    std::int64_t nowMs() const override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

}  // namespace engine
