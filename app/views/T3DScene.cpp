#include "views/T3DScene.hpp"

namespace orvane {

namespace {

T3DPoint minus(const T3DPoint& p, const T3DPoint& q) { return {p.x - q.x, p.y - q.y, p.z - q.z}; }

T3DPoint cross(const T3DPoint& u, const T3DPoint& v)
{
    return {u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
}

double dot(const T3DPoint& u, const T3DPoint& v) { return u.x * v.x + u.y * v.y + u.z * v.z; }

template <class Item, class Member>
std::vector<Item> collect(const T3DScene& scene, Member member, T3DRole role)
{
    std::vector<Item> found;
    for (const T3DList* list : {&scene.loads, &scene.soil, &scene.model})
        for (const Item& item : list->*member)
            if (item.role == role) found.push_back(item);
    return found;
}

}  // namespace

T3DPoint T3DSolid::centre() const
{
    T3DPoint c;
    for (const T3DPoint& p : corners) {
        c.x += p.x / 8;
        c.y += p.y / 8;
        c.z += p.z / 8;
    }
    return c;
}

// The corners of a brick need not come in a fixed handedness, so each face
// is turned to face away from the centre.
std::array<std::array<int, 4>, 6> T3DSolid::faces() const
{
    std::array<std::array<int, 4>, 6> f{{{0, 3, 2, 1}, {4, 5, 6, 7}, {0, 1, 5, 4},
                                         {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}}};
    const T3DPoint c = centre();
    for (auto& face : f) {
        const T3DPoint& p0 = corners[static_cast<size_t>(face[0])];
        const T3DPoint& p1 = corners[static_cast<size_t>(face[1])];
        const T3DPoint& p2 = corners[static_cast<size_t>(face[2])];
        const T3DPoint& p3 = corners[static_cast<size_t>(face[3])];
        const T3DPoint normal = cross(minus(p2, p0), minus(p3, p1));
        const T3DPoint mid{(p0.x + p2.x) / 2, (p0.y + p2.y) / 2, (p0.z + p2.z) / 2};
        if (dot(normal, minus(mid, c)) < 0) std::swap(face[1], face[3]);
    }
    return f;
}

bool T3DList::empty() const
{
    return solids.empty() && quads.empty() && pyramids.empty() && lines.empty() && labels.empty();
}

std::vector<T3DPoint> T3DScene::points() const
{
    std::vector<T3DPoint> all;
    for (const T3DList* list : {&loads, &soil, &model}) {
        for (const T3DSolid& s : list->solids) all.insert(all.end(), s.corners.begin(), s.corners.end());
        for (const T3DQuad& q : list->quads) all.insert(all.end(), q.corners.begin(), q.corners.end());
        for (const T3DPyramid& p : list->pyramids) {
            all.insert(all.end(), p.base.begin(), p.base.end());
            all.push_back(p.apex);
        }
        for (const T3DPolyline& l : list->lines) all.insert(all.end(), l.points.begin(), l.points.end());
        for (const T3DLabel& l : list->labels) all.push_back(l.at);
    }
    return all;
}

std::vector<T3DSolid> T3DScene::solidsOf(T3DRole role) const
{
    return collect<T3DSolid>(*this, &T3DList::solids, role);
}

std::vector<T3DQuad> T3DScene::quadsOf(T3DRole role) const { return collect<T3DQuad>(*this, &T3DList::quads, role); }

std::vector<T3DPyramid> T3DScene::pyramidsOf(T3DRole role) const
{
    return collect<T3DPyramid>(*this, &T3DList::pyramids, role);
}

std::vector<T3DPolyline> T3DScene::linesOf(T3DRole role) const
{
    return collect<T3DPolyline>(*this, &T3DList::lines, role);
}

std::vector<T3DLabel> T3DScene::labelsOf(T3DRole role) const
{
    return collect<T3DLabel>(*this, &T3DList::labels, role);
}

}  // namespace orvane
