#include <QRandomGenerator>

#include "random_source.h"

namespace engine {

int SystemRandom::below(int n)
{
    // global() is seeded from the system; bounded() is exactly uniform.
    return static_cast<int>(QRandomGenerator::global()->bounded(n));
}

}  // namespace engine
