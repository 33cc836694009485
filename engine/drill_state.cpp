#include "drill_state.h"

#include <stdexcept>

namespace engine {

OrEmpty<int> &DrillState::tallyFor(int grade)
{
    switch (grade) {
    case 1: return occorreTally;
    case 2: return sufficienteTally;
    case 3: return buonoTally;
    case 4: return distintoTally;
    case 5: return ottimoTally;
    }
    throw std::out_of_range("grade " + std::to_string(grade));
}

}  // namespace engine
