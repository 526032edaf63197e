#include "core/Estimate.h"

namespace yorozu {

// Placeholder until the totals are written: keeps the document linkable.
void Estimate::recalculateAll()
{
    notify(Change::Totals);
}

} // namespace yorozu
