#include "model/TTableRegistry.hpp"

#include "model/TGridTable.hpp"

#include <algorithm>

namespace orvane {

int TTableRegistry::add(TGridTable& table)
{
    while (find(nextIdentifier_)) ++nextIdentifier_;
    tables_.push_back(&table);
    return nextIdentifier_++;
}

void TTableRegistry::remove(const TGridTable& table)
{
    tables_.erase(std::remove(tables_.begin(), tables_.end(), &table), tables_.end());
}

TGridTable* TTableRegistry::find(int identifier) const
{
    for (TGridTable* table : tables_)
        if (table->identifier() == identifier) return table;
    return nullptr;
}

}  // namespace orvane
