#include "controlmodel/tbspline.h"

#include "controlmodel/pixels.h"
#include "util/error.h"
#include "util/numtext.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kCoincident = 0.00001f;
constexpr int kScanSteps = 150;
constexpr int kMaxTrials = 81;

bool between(float value, float a, float b)
{
    return (a <= value && value <= b) || (b <= value && value <= a);
}

float coordinate(SplinePoint p, bool alongX)
{
    return alongX ? p.x : p.y;
}

} // namespace

TBSpline::TBSpline()
{
    Clear();
}

void TBSpline::throwOutOfBounds(const char *method, int index) const
{
    throw LoopwrightError("List index out of bounds in " + className() + "." + method + ". ("
            + std::to_string(index) + ").");
}

void TBSpline::setCapacity(int capacity)
{
    // Resizing keeps the stored points and knuckle flags; new slots start as
    // ordinary (non-knuckle) points.
    m_points.resize(std::size_t(capacity));
    m_knuckles.resize(std::size_t(capacity), 0);
    m_capacity = capacity;
    if (m_count > capacity)
        m_count = capacity;
}

SplinePoint TBSpline::FGetPoint(int i) const
{
    if (i < 1 || i > m_count)
        throwOutOfBounds("FGetPoint", i);
    return m_points[std::size_t(i - 1)];
}

void TBSpline::FSetPoint(int i, SplinePoint point)
{
    if (i < 1 || i > m_count)
        throwOutOfBounds("FSetPoint", i);
    m_points[std::size_t(i - 1)] = point;
    unbuild();
}

SplinePoint TBSpline::FGetVertex(int i)
{
    if (m_count < 2)
        return {};
    if (!m_built)
        build();
    if (i < 0 || i > m_vertexCount + 1)
        throwOutOfBounds("FGetVertex", i);
    return m_vertices[std::size_t(i)];
}

void TBSpline::FSetVertex(int i, SplinePoint vertex)
{
    if (!m_built)
        build();
    // With fewer than 2 points there are no vertices to write.
    if (i < 0 || i > m_vertexCount + 1 || std::size_t(i) >= m_vertices.size())
        throwOutOfBounds("FSetVertex", i);
    m_vertices[std::size_t(i)] = vertex;
}

bool TBSpline::FGetKnuckle(int i) const
{
    if (i < 1 || i > m_count)
        throwOutOfBounds("FGetKnuckle", i);
    if (i == 1 || i == m_count)
        return false;
    return m_knuckles[std::size_t(i - 1)] != 0;
}

void TBSpline::FSetKnuckle(int i, bool knuckle)
{
    if (i < 1 || i > m_count)
        throwOutOfBounds("FSetKnuckle", i);
    m_knuckles[std::size_t(i - 1)] = knuckle ? 1 : 0;
    unbuild();
}

void TBSpline::AddPoint(float x, float y)
{
    if (m_count >= kMaxPoints)
        throw LoopwrightError("Too many points in TBSpline.AddPoint: a spline holds at most "
                + std::to_string(kMaxPoints) + " points.");
    if (m_count == m_capacity)
        setCapacity(m_capacity + kCapacityStep);
    m_points[std::size_t(m_count)] = {x, y};
    ++m_count;
    unbuild();
}

void TBSpline::extremes(SplinePoint &min, SplinePoint &max) const
{
    for (int k = 0; k < m_count; ++k) {
        const SplinePoint p = m_points[std::size_t(k)];
        if (p.x < min.x)
            min.x = p.x;
        if (p.y < min.y)
            min.y = p.y;
        if (p.x > max.x)
            max.x = p.x;
        if (p.y > max.y)
            max.y = p.y;
    }
}

void TBSpline::Clear()
{
    unbuild();
    m_points.clear();
    m_points.shrink_to_fit();
    m_knuckles.clear();
    m_knuckles.shrink_to_fit();
    m_capacity = 0;
    m_count = 0;
    m_showPoints = false;
    m_interpolated = false;
    m_fragments = 100;
}

void TBSpline::unbuild()
{
    m_vertices.clear();
    m_vertexCount = 0;
    m_boundsMin = {0.0f, 0.0f};
    m_boundsMax = {1.0f, 1.0f};
    m_built = false;
}

void TBSpline::SetInterpolated(bool on)
{
    if (on == m_interpolated)
        return;
    m_interpolated = on;
    unbuild();
}

void TBSpline::SetFragments(int fragments)
{
    // Zero fragments would divide by zero in drawing; one segment is the
    // least curve there is.
    if (fragments < 1)
        fragments = 1;
    if (fragments > kMaxFragments)
        fragments = kMaxFragments;
    m_fragments = fragments;
}

void TBSpline::fillMatrix()
{
    const int nv = m_vertexCount;
    // Index 0 is unused so that row r is at index r, as in the vertex list.
    m_lower.assign(std::size_t(nv + 1), 0.0f);
    m_diagonal.assign(std::size_t(nv + 1), 0.0f);
    m_upper.assign(std::size_t(nv + 1), 0.0f);
    m_diagonal[1] = 1.0f;
    m_diagonal[std::size_t(nv)] = 1.0f;
    for (int r = 2; r <= nv - 1; ++r) {
        m_lower[std::size_t(r)] = 1.0f / 6.0f;
        m_diagonal[std::size_t(r)] = 2.0f / 3.0f;
        m_upper[std::size_t(r)] = 1.0f / 6.0f;
    }
    // Three coinciding vertices are a knuckle: the curve must go through the
    // corner itself, so those rows keep the vertex as it is.
    auto same = [this](int a, int b) {
        const SplinePoint p = m_vertices[std::size_t(a)];
        const SplinePoint q = m_vertices[std::size_t(b)];
        return std::fabs(p.x - q.x) < kCoincident && std::fabs(p.y - q.y) < kCoincident;
    };
    int i = 3;
    while (i < nv - 1) {
        if (same(i - 1, i) && same(i, i + 1)) {
            for (int r = i - 1; r <= i + 1; ++r) {
                m_lower[std::size_t(r)] = 0.0f;
                m_diagonal[std::size_t(r)] = 1.0f;
                m_upper[std::size_t(r)] = 0.0f;
            }
            i += 2;
        } else {
            i += 1;
        }
    }
}

void TBSpline::solveInterpolation(std::vector<float> &rhs) const
{
    const int nv = m_vertexCount;
    std::vector<float> diagonal = m_diagonal;
    // Forward elimination without pivoting: the matrix is diagonally
    // dominant, so no diagonal entry can become zero.
    for (int r = 2; r <= nv; ++r) {
        const float factor = m_lower[std::size_t(r)] / diagonal[std::size_t(r - 1)];
        diagonal[std::size_t(r)] -= factor * m_upper[std::size_t(r - 1)];
        rhs[std::size_t(r)] -= factor * rhs[std::size_t(r - 1)];
    }
    rhs[std::size_t(nv)] = rhs[std::size_t(nv)] / diagonal[std::size_t(nv)];
    for (int k = nv - 1; k >= 1; --k)
        rhs[std::size_t(k)] =
                (rhs[std::size_t(k)] - m_upper[std::size_t(k)] * rhs[std::size_t(k + 1)])
                / diagonal[std::size_t(k)];
}

void TBSpline::build()
{
    if (m_count < 2) {
        m_built = true;
        return;
    }
    int nv = 0;
    for (int i = 1; i <= m_count; ++i)
        nv += FGetKnuckle(i) ? 3 : 1;
    m_vertexCount = nv;
    m_vertices.assign(std::size_t(nv + 2), SplinePoint {});

    int v = 1;
    for (int i = 1; i <= m_count; ++i) {
        const SplinePoint p = m_points[std::size_t(i - 1)];
        const int copies = FGetKnuckle(i) ? 3 : 1;
        for (int c = 0; c < copies; ++c)
            m_vertices[std::size_t(v++)] = p;
    }

    m_boundsMin = m_boundsMax = m_points[0];
    SplinePoint lo = m_boundsMin;
    SplinePoint hi = m_boundsMax;
    extremes(lo, hi);
    m_boundsMin = lo;
    m_boundsMax = hi;

    if (m_interpolated && nv >= kMinSolvedVertices && nv <= kMaxSolvedVertices) {
        fillMatrix();
        std::vector<float> xs(std::size_t(nv + 1));
        std::vector<float> ys(std::size_t(nv + 1));
        for (int k = 1; k <= nv; ++k) {
            xs[std::size_t(k)] = m_vertices[std::size_t(k)].x;
            ys[std::size_t(k)] = m_vertices[std::size_t(k)].y;
        }
        solveInterpolation(xs);
        solveInterpolation(ys);
        for (int k = 1; k <= nv; ++k)
            m_vertices[std::size_t(k)] = {xs[std::size_t(k)], ys[std::size_t(k)]};
        m_lower.clear();
        m_diagonal.clear();
        m_upper.clear();
    }

    m_built = true;
    // Phantom end vertices: mirrored so that the curve starts exactly at
    // vertex 1 and ends exactly at vertex nv.
    const SplinePoint first = m_vertices[1];
    const SplinePoint second = m_vertices[2];
    const SplinePoint last = m_vertices[std::size_t(nv)];
    const SplinePoint beforeLast = m_vertices[std::size_t(nv - 1)];
    m_vertices[0] = {2.0f * first.x - second.x, 2.0f * first.y - second.y};
    m_vertices[std::size_t(nv + 1)] = {2.0f * last.x - beforeLast.x, 2.0f * last.y - beforeLast.y};
}

SplinePoint TBSpline::weighted(double t, int order)
{
    if (!m_built)
        build();
    if (m_count < 2)
        return {};
    const int nv = m_vertexCount;
    const double exactU = (nv - 1) * t + 1.0;
    // The curve point itself uses the parameter rounded to single precision.
    const double u = order == 0 ? double(float(exactU)) : exactU;
    const double firstRaw = std::trunc(u - 1.0);
    // A NaN parameter (from a curve of NaN points) must not reach the int
    // conversion either.
    int first = !(firstRaw >= 0.0) ? 0 : (firstRaw > nv + 1 ? nv + 1 : int(firstRaw));
    double x = 0.0;
    double y = 0.0;
    // Only vertices 0..nv + 1 exist; a parameter slightly outside [0, 1]
    // would otherwise reach one past the end.
    const int lastIndex = std::min(first + 3, nv + 1);
    for (int i = first; i <= lastIndex; ++i) {
        double w = 0.0;
        if (order == 0) {
            const double a = std::fabs(i - u);
            if (a >= 2.0)
                continue;
            w = a < 1.0 ? 2.0 / 3.0 - a * a + a * a * a / 2.0
                        : (2.0 - a) * (2.0 - a) * (2.0 - a) / 6.0;
        } else {
            const double d = i - u;
            if (d <= -2.0 || d >= 2.0)
                continue;
            if (order == 1) {
                // d/du of the basis weight; d = i - u, so these are the
                // negated slopes of the weight as a function of d.
                if (d <= -1.0)
                    w = -(d + 2.0) * (d + 2.0) / 2.0;
                else if (d <= 0.0)
                    w = 2.0 * d + 1.5 * d * d;
                else if (d <= 1.0)
                    w = 2.0 * d - 1.5 * d * d;
                else
                    w = (2.0 - d) * (2.0 - d) / 2.0;
            } else {
                if (d <= -1.0)
                    w = d + 2.0;
                else if (d <= 0.0)
                    w = -2.0 - 3.0 * d;
                else if (d <= 1.0)
                    w = 3.0 * d - 2.0;
                else
                    w = 2.0 - d;
            }
        }
        x += w * m_vertices[std::size_t(i)].x;
        y += w * m_vertices[std::size_t(i)].y;
    }
    return {float(x), float(y)};
}

SplinePoint TBSpline::Value(double t)
{
    return weighted(t, 0);
}

SplinePoint TBSpline::firstDerivative(double t)
{
    return weighted(t, 1);
}

SplinePoint TBSpline::secondDerivative(double t)
{
    return weighted(t, 2);
}

bool TBSpline::known(Axis axis, float value, SplineResults &results, const char *method)
{
    if (!m_built)
        build();
    results.count = 0;
    if (m_count == 0)
        return false;
    const bool alongX = axis == Axis::X;
    auto append = [&](double t) {
        if (results.count >= SplineResults::kMaxResults)
            throw LoopwrightError(
                    std::string("Max. number of results exceeded in TBSpline.") + method);
        SplinePoint p = Value(t);
        (alongX ? p.x : p.y) = value;
        results.parameters[std::size_t(results.count)] = float(t);
        results.points[std::size_t(results.count)] = p;
        ++results.count;
    };

    if (m_count == 2) {
        const float a = coordinate(m_points[0], alongX);
        const float b = coordinate(m_points[1], alongX);
        if (between(value, a, b)) {
            const double t =
                    std::fabs(b - a) >= 0.000001 ? (double(value) - a) / (double(b) - a) : 0.5;
            append(t);
        }
        return results.count > 0;
    }

    SplinePoint previous = m_points[0];
    for (int i = 1; i <= kScanSteps; ++i) {
        const SplinePoint current = Value(double(i) / kScanSteps);
        const float p = coordinate(previous, alongX);
        const float c = coordinate(current, alongX);
        if (between(value, p, c)) {
            double t0 = double(i - 1) / kScanSteps;
            double t1 = double(i) / kScanSteps;
            double v0 = p;
            double v1 = c;
            double t = t0;
            for (int trial = 1; trial <= kMaxTrials; ++trial) {
                t = std::fabs(v1 - v0) > 0.000001 ? t0 + (value - v0) * (t1 - t0) / (v1 - v0)
                                                  : (t0 + t1) / 2.0;
                const double vt = coordinate(Value(t), alongX);
                const double miss = std::fabs(vt - value);
                const double error = value == 0.0f ? miss : miss / std::fabs(value);
                if (error < 0.00001)
                    break;
                if (between(value, float(v0), float(vt))) {
                    t1 = t;
                    v1 = vt;
                } else {
                    t0 = t;
                    v0 = vt;
                }
            }
            append(t);
        }
        previous = current;
    }
    return results.count > 0;
}

bool TBSpline::KnownX(float x, SplineResults &results)
{
    return known(Axis::X, x, results, "KnownX");
}

bool TBSpline::KnownY(float y, SplineResults &results)
{
    return known(Axis::Y, y, results, "KnownY");
}

std::vector<SplinePixel> TBSpline::polyline()
{
    std::vector<SplinePixel> pixels;
    pixels.reserve(std::size_t(m_fragments) + 1);
    for (int i = 0; i <= m_fragments; ++i)
        pixels.push_back(pixelOf(Value(double(i) / m_fragments)));
    return pixels;
}

SplinePixel TBSpline::pixelOf(SplinePoint point)
{
    return {numtext::nearestPixel(point.x, kFarOffScreen),
            numtext::nearestPixel(point.y, kFarOffScreen)};
}
