#include "model/solid_preview.h"

#include <algorithm>
#include <cmath>

namespace {

std::array<float, 16> ToFloats(const SolidTransform& t) {
    std::array<float, 16> f{};
    for (size_t i = 0; i < 16; ++i)
        f[i] = static_cast<float>(t.m[i]);
    return f;
}

}  // namespace

SolidTransform SolidTransform::operator*(const SolidTransform& o) const {
    SolidTransform r;
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k)
                sum += m[k * 4 + row] * o.m[column * 4 + k];
            r.m[column * 4 + row] = sum;
        }
    return r;
}

SolidTransform SolidTransform::Translation(double x, double y, double z) {
    SolidTransform t;
    t.m[12] = x;
    t.m[13] = y;
    t.m[14] = z;
    return t;
}

SolidTransform SolidTransform::Scaling(double x, double y, double z) {
    SolidTransform t;
    t.m[0] = x;
    t.m[5] = y;
    t.m[10] = z;
    return t;
}

SolidTransform SolidTransform::Rotation(double degrees, double x, double y, double z) {
    SolidTransform t;
    const double length = std::sqrt(x * x + y * y + z * z);
    if (!(length > 0.0))
        return t;
    x /= length;
    y /= length;
    z /= length;
    const double a = degrees * std::acos(-1.0) / 180.0;
    const double c = std::cos(a), s = std::sin(a), k = 1.0 - c;
    t.m[0] = x * x * k + c;
    t.m[1] = y * x * k + z * s;
    t.m[2] = x * z * k - y * s;
    t.m[4] = x * y * k - z * s;
    t.m[5] = y * y * k + c;
    t.m[6] = y * z * k + x * s;
    t.m[8] = x * z * k + y * s;
    t.m[9] = y * z * k - x * s;
    t.m[10] = z * z * k + c;
    return t;
}

std::array<double, 3> SolidTransform::Apply(double x, double y, double z) const {
    return {m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
            m[2] * x + m[6] * y + m[10] * z + m[14]};
}

double SolidTransform::LargestScale() const {
    // the largest column length bounds the stretch well enough for culling and detail
    double largest = 0.0;
    for (int column = 0; column < 3; ++column) {
        const double* c = &m[column * 4];
        largest = std::max(largest, std::sqrt(c[0] * c[0] + c[1] * c[1] + c[2] * c[2]));
    }
    return largest;
}

void SolidMesh::Add(Mode mode, const float* vertexData, uint32_t count) {
    if (count == 0)
        return;
    const auto first = static_cast<uint32_t>(VertexCount());
    if (!parts.empty() && parts.back().mode == mode && mode != Mode::Polygon &&
        parts.back().first + parts.back().count == first)
        parts.back().count += count;
    else
        parts.push_back({mode, first, count});
    for (uint32_t i = 0; i < count; ++i) {
        const float* v = vertexData + 6 * i;
        if (first == 0 && i == 0) {
            low = {v[0], v[1], v[2]};
            high = low;
        }
        for (int a = 0; a < 3; ++a) {
            low[a] = std::min(low[a], v[a]);
            high[a] = std::max(high[a], v[a]);
        }
    }
    vertices.insert(vertices.end(), vertexData, vertexData + 6 * count);
}

void SolidPreview::Add(SolidShape shape, const SolidTransform& transform,
                       const std::array<float, 3>& colour, float param) {
    items.push_back({ToFloats(transform), colour, shape, param, 0, 0});
}

void SolidPreview::AddNumbers(SolidShape shape, const SolidTransform& transform,
                              const std::array<float, 3>& colour, const float* data,
                              uint32_t count) {
    const auto first = static_cast<uint32_t>(numbers.size());
    numbers.insert(numbers.end(), data, data + count);
    items.push_back({ToFloats(transform), colour, shape, 0.0f, first, count});
}

void SolidPreview::AddMesh(const SolidTransform& transform, const std::array<float, 3>& colour,
                           std::shared_ptr<const SolidMesh> mesh) {
    if (!mesh || mesh->VertexCount() == 0)
        return;
    const auto index = static_cast<uint32_t>(meshes.size());
    meshes.push_back(std::move(mesh));
    items.push_back({ToFloats(transform), colour, SolidShape::Mesh, 0.0f, index, 0});
}

SolidBox ShapeBox(const SolidPreview& preview, const SolidItem& item) {
    switch (item.shape) {
        case SolidShape::Sphere:
            return {{-1, -1, -1}, {1, 1, 1}};
        case SolidShape::Box:
            return {{-0.5f, -0.5f, -0.5f}, {0.5f, 0.5f, 0.5f}};
        case SolidShape::Cone:
            return {{-1, 0, -1}, {1, 1, 1}};
        case SolidShape::Cylinder:
            return {{-1, -0.5f, -1}, {1, 0.5f, 1}};
        case SolidShape::Torus: {
            const float r = std::abs(item.param);
            return {{-1 - r, -r, -1 - r}, {1 + r, r, 1 + r}};
        }
        case SolidShape::Plane:
            return {{-2000, 0, -2000}, {2000, 0, 2000}};
        case SolidShape::Mesh: {
            const SolidMesh& mesh = *preview.meshes[item.first];
            return {mesh.low, mesh.high};
        }
        default:
            break;
    }
    // shapes of numbers: the extent of their points
    const float* n = preview.Numbers(item);
    SolidBox box{{0, 0, 0}, {0, 0, 0}};
    bool first = true;
    auto take = [&](float x, float y, float z) {
        if (first) {
            box = {{x, y, z}, {x, y, z}};
            first = false;
        }
        box.low = {std::min(box.low[0], x), std::min(box.low[1], y), std::min(box.low[2], z)};
        box.high = {std::max(box.high[0], x), std::max(box.high[1], y), std::max(box.high[2], z)};
    };
    if (item.shape == SolidShape::Triangle) {
        for (uint32_t c = 0; c + 6 <= item.count; c += 6)
            take(-n[c], n[c + 1], n[c + 2]);
    } else if (item.shape == SolidShape::Lathe) {
        for (uint32_t i = 0; i + 2 <= item.count; i += 2) {
            const float r = std::abs(n[i]);
            take(-r, n[i + 1], -r);
            take(r, n[i + 1], r);
        }
    } else {
        for (uint32_t i = 0; i + 2 <= item.count; i += 2)
            take(-n[i], n[i + 1], 0);
    }
    return box;
}
