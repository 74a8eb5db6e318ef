#include "model/TWordContainer.hpp"

namespace orvane {

namespace {

bool isControlOrBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

TWordContainer TWordContainer::split(std::string line)
{
    TWordContainer container;
    container.text = std::move(line);
    const std::string& text = container.text;
    size_t at = 0;
    size_t end = text.size();
    while (at < end && isControlOrBlank(text[at])) ++at;
    while (end > at && isControlOrBlank(text[end - 1])) --end;
    while (at < end) {
        size_t stop = text.find_first_of(" \t", at);
        if (stop == std::string::npos || stop > end) stop = end;
        container.items.push_back(text.substr(at, stop - at));
        at = stop;
        while (at < end && isControlOrBlank(text[at])) ++at;
    }
    return container;
}

}  // namespace orvane
