#include "model/TData.hpp"

#include "model/TColumn.hpp"

namespace orvane {

TGridTable* TData::subTable() const
{
    return column_->subTable(row_);
}

double TData::asReal() const
{
    return column_->getReal(row_);
}

int TData::asInteger() const
{
    return column_->getInteger(row_);
}

std::string TData::asText() const
{
    return column_->getText(row_);
}

void TData::setReal(double value) const
{
    column_->setReal(row_, value);
}

void TData::setInteger(int value) const
{
    column_->setInteger(row_, value);
}

}  // namespace orvane
