#include "views/TSideViewScene.hpp"

namespace orvane {

void TSideViewScene::add(const TSceneLine& line)
{
    order.push_back({TSceneItem::Line, static_cast<int>(lines.size())});
    lines.push_back(line);
}

void TSideViewScene::add(const TSceneRect& rect)
{
    order.push_back({TSceneItem::Rect, static_cast<int>(rects.size())});
    rects.push_back(rect);
}

void TSideViewScene::add(const TSceneCircle& circle)
{
    order.push_back({TSceneItem::Circle, static_cast<int>(circles.size())});
    circles.push_back(circle);
}

void TSideViewScene::add(const TScenePolygon& polygon)
{
    order.push_back({TSceneItem::Polygon, static_cast<int>(polygons.size())});
    polygons.push_back(polygon);
}

void TSideViewScene::add(const TSceneText& text)
{
    order.push_back({TSceneItem::Text, static_cast<int>(texts.size())});
    texts.push_back(text);
}

std::vector<TSceneLine> TSideViewScene::linesOf(TSceneRole role) const
{
    std::vector<TSceneLine> found;
    for (const TSceneLine& line : lines)
        if (line.role == role) found.push_back(line);
    return found;
}

std::vector<TSceneText> TSideViewScene::textsOf(TSceneRole role) const
{
    std::vector<TSceneText> found;
    for (const TSceneText& text : texts)
        if (text.role == role) found.push_back(text);
    return found;
}

}  // namespace orvane
