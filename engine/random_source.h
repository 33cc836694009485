#pragma once
// The random source behind the sentence draw and the choice of the
// right-answer cue. Tests pass a scripted one.

namespace engine {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual int below(int n) = 0;  // uniform in 0..n-1
};

// Seeded by the operating system, so every run differs.
class SystemRandom final : public RandomSource {
public:
    int below(int n) override;
};

}  // namespace engine
