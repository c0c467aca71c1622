#include "checked.h"

#include "fixed_array.h"

namespace tanvera {

void raiseFault(FaultKind kind)
{
    throw RuntimeFault(kind);
}

void raiseIndexFault()
{
    throw RuntimeFault(FaultKind::IndexOutOfRange);
}

} // namespace tanvera
