#include "model/TColumn.hpp"

#include "model/EGridError.hpp"

namespace orvane {

TColumn::TColumn(std::vector<std::string> captionLines) : captionLines_(std::move(captionLines)) {}

std::string TColumn::captionLine(size_t index, int) const
{
    return index < captionLines_.size() ? captionLines_[index] : std::string();
}

double TColumn::getReal(int) const
{
    throw EGridError("Data of wrong type");
}

void TColumn::setReal(int, double)
{
    throw EGridError("Data of wrong type");
}

int TColumn::getInteger(int) const
{
    throw EGridError("Data of wrong type");
}

void TColumn::setInteger(int, int)
{
    throw EGridError("Data of wrong type");
}

TGridTable* TColumn::subTable(int) const
{
    return nullptr;
}

void TColumn::setUnits(int, int) {}

void TColumn::attach(TGridTable& owner, int index)
{
    owner_ = &owner;
    index_ = index;
}

void TColumn::copyFlagsTo(TColumn& copy) const
{
    copy.visible_ = visible_;
    copy.grouped_ = grouped_;
}

TGridTable& TColumn::owner() const
{
    if (!owner_) throw EGridError("null parent");
    return *owner_;
}

}  // namespace orvane
