#include "import/pov_spline.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace pov {

namespace {

using Point = std::array<double, 5>;

Point Lerp(const Point& a, const Point& b, double f) {
    Point r{};
    for (int i = 0; i < 5; ++i) {
        r[i] = a[i] + (b[i] - a[i]) * f;
    }
    return r;
}

// cubic Hermite between p1 and p2 with tangents from the neighbours (Catmull-Rom on the
// parameter values)
Point Hermite(const std::vector<double>& t, const std::vector<Point>& p, size_t k, double at) {
    const size_t n = p.size();
    const size_t k0 = k == 0 ? 0 : k - 1, k3 = std::min(k + 2, n - 1);
    const double t1 = t[k], t2 = t[k + 1], h = t2 - t1;
    const double s = h > 0 ? (at - t1) / h : 0.0;
    Point r{};
    for (int i = 0; i < 5; ++i) {
        const double m1 =
            (t[k + 1] - t[k0]) > 0 ? (p[k + 1][i] - p[k0][i]) / (t[k + 1] - t[k0]) * h : 0.0;
        const double m2 = (t[k3] - t[k]) > 0 ? (p[k3][i] - p[k][i]) / (t[k3] - t[k]) * h : 0.0;
        const double s2 = s * s, s3 = s2 * s;
        r[i] = (2 * s3 - 3 * s2 + 1) * p[k][i] + (s3 - 2 * s2 + s) * m1 +
               (-2 * s3 + 3 * s2) * p[k + 1][i] + (s3 - s2) * m2;
    }
    return r;
}

// natural cubic spline: second derivatives vanish at both ends
Point Natural(const std::vector<double>& t, const std::vector<Point>& p, double at) {
    const size_t n = p.size();
    Point r{};
    for (int c = 0; c < 5; ++c) {
        std::vector<double> a(n), b(n), d(n), m(n, 0.0);
        for (size_t i = 1; i + 1 < n; ++i) {
            const double h0 = t[i] - t[i - 1], h1 = t[i + 1] - t[i];
            a[i] = h0;
            b[i] = 2 * (h0 + h1);
            d[i] = 6 * ((p[i + 1][c] - p[i][c]) / h1 - (p[i][c] - p[i - 1][c]) / h0);
        }
        // tridiagonal solve for the inner second derivatives
        std::vector<double> cp(n, 0.0), dp(n, 0.0);
        for (size_t i = 1; i + 1 < n; ++i) {
            const double h1 = t[i + 1] - t[i];
            const double den = b[i] - a[i] * cp[i - 1];
            cp[i] = h1 / den;
            dp[i] = (d[i] - a[i] * dp[i - 1]) / den;
        }
        for (size_t i = n - 1; i-- > 1;) {
            m[i] = dp[i] - cp[i] * m[i + 1];
        }
        size_t k = 0;
        while (k + 2 < n && at > t[k + 1]) {
            ++k;
        }
        const double h = t[k + 1] - t[k];
        const double A = (t[k + 1] - at) / h, B = (at - t[k]) / h;
        r[c] = A * p[k][c] + B * p[k + 1][c] +
               ((A * A * A - A) * m[k] + (B * B * B - B) * m[k + 1]) * h * h / 6.0;
    }
    return r;
}

}  // namespace

bool EvaluateSpline(const Block& spline, double at, Value& result) {
    std::string type = "linear_spline";
    std::map<double, Point> points;
    int dim = 2;
    double pending = 0.0;
    bool havePending = false;
    for (const Item& item : spline.items) {
        if (item.kind == Item::Kind::Keyword) {
            type = item.value.text;
        } else if (item.kind == Item::Kind::Value) {
            if (!havePending && item.value.kind == Value::Kind::Float) {
                pending = item.value.v[0];
                havePending = true;
            } else if (havePending) {
                points[pending] = item.value.Promoted(5);
                dim =
                    std::max<int>(dim, item.value.kind == Value::Kind::Float ? 1 : item.value.dim);
                havePending = false;
            }
        }
    }
    if (points.empty()) {
        return false;
    }
    std::vector<double> t;
    std::vector<Point> p;
    for (const auto& [k, v] : points) {
        t.push_back(k);
        p.push_back(v);
    }
    const size_t n = p.size();
    Point r;
    const bool cubic = type == "cubic_spline" && n >= 4;
    // the valid range: a cubic spline's first and last points only shape its ends
    const size_t lo = cubic ? 1 : 0, hi = cubic ? n - 2 : n - 1;
    if (n == 1 || at <= t[lo]) {
        r = p[n == 1 ? 0 : lo];
    } else if (at >= t[hi]) {
        r = p[hi];
    } else {
        size_t k = lo;
        while (k + 1 < hi && at > t[k + 1]) {
            ++k;
        }
        if (type == "linear_spline" || n == 2) {
            const double h = t[k + 1] - t[k];
            r = Lerp(p[k], p[k + 1], h > 0 ? (at - t[k]) / h : 0.0);
        } else if (type == "natural_spline" && n >= 3) {
            r = Natural(t, p, at);
        } else {
            r = Hermite(t, p, k, at);
        }
    }
    result = Value::VectorN(r.data(), std::clamp(dim, 2, 5));
    return true;
}

}  // namespace pov
