// The fixed point table of polygons and lathes: up to 20 points (x, y).
#pragma once

#include <algorithm>
#include <string>

#include "model/text_format.h"

inline constexpr int kMaxShapePoints = 20;

struct ShapePoint {
    double X = 0.0;
    double Y = 0.0;
};

// A point count as far as the table holds it.
inline int ClampShapePointCount(int count) {
    return std::clamp(count, 0, kMaxShapePoints);
}

// Setting the count or a point refuses what the table cannot hold.
inline bool SetShapePointCount(int& pointCount, int count) {
    if (count < 0 || count > kMaxShapePoints)
        return false;
    pointCount = count;
    return true;
}

inline bool SetShapePoint(ShapePoint* points, int index, double x, double y) {
    if (index < 0 || index >= kMaxShapePoints)
        return false;
    points[index] = {x, y};
    return true;
}

// Appends a point after the pointCount points in use.
inline bool AddShapePoint(ShapePoint* points, int& pointCount, double x, double y) {
    const int next = pointCount < 0 ? 0 : pointCount;
    if (!SetShapePoint(points, next, x, y))
        return false;
    pointCount = next + 1;
    return true;
}

// The scene lines of the first count points: "  <x,y> , " each, the last without the comma.
inline void AppendShapePointLines(std::string& out, const ShapePoint* points, int count) {
    for (int i = 0; i < count; ++i)
        orv::AppendFormat(out, i + 1 < count ? "  <%.4f,%.4f> , \r\n" : "  <%.4f,%.4f>\r\n",
                          points[i].X, points[i].Y);
}

// The table as 40 numbers x0, y0, x1, y1, ... for field dumps.
inline void FlattenShapePoints(const ShapePoint* points, double* out) {
    for (int i = 0; i < kMaxShapePoints; ++i) {
        out[2 * i] = points[i].X;
        out[2 * i + 1] = points[i].Y;
    }
}
