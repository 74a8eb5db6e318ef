#include "model/TStringColumn.hpp"

namespace orvane {

std::unique_ptr<TColumn> TStringColumn::copyDefinition() const
{
    auto copy = std::make_unique<TStringColumn>(captionLines());
    copyFlagsTo(*copy);
    return copy;
}

}  // namespace orvane
