#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

/// A 2-D point of the spline, in single precision like the curve's storage.
struct SplinePoint
{
    float x = 0.0f;
    float y = 0.0f;

    friend bool operator==(const SplinePoint &, const SplinePoint &) = default;
};

/// A whole-pixel position on the drawn curve.
struct SplinePixel
{
    int x = 0;
    int y = 0;

    friend bool operator==(const SplinePixel &, const SplinePixel &) = default;
};

/// The curve points found by KnownX / KnownY: parameter t and the point.
struct SplineResults
{
    static constexpr int kMaxResults = 610;

    int count = 0;
    std::array<float, kMaxResults> parameters {};
    std::array<SplinePoint, kMaxResults> points {};
};

/// A uniform cubic B-spline through (with interpolation) or near (without) an
/// ordered list of points. Points are numbered from 1. The control vertices
/// are derived lazily: every change of points, knuckles or interpolation makes
/// the spline unbuilt and the next evaluation rebuilds it.
///
/// Errors (index out of range, too many points, too many results) throw
/// LoopwrightError with the user-visible message; the spline is unchanged.
class TBSpline
{
public:
    /// Point store limit: its byte size is held in 16 bits.
    static constexpr int kMaxPoints = 8191;
    static constexpr int kCapacityStep = 25;
    static constexpr int kMaxFragments = 600;
    /// Vertex counts for which interpolation solves the system; outside this
    /// range the curve only approximates the inner points.
    static constexpr int kMinSolvedVertices = 3;
    static constexpr int kMaxSolvedVertices = 249;

    TBSpline();
    virtual ~TBSpline() = default;

    TBSpline(const TBSpline &) = default;
    TBSpline &operator=(const TBSpline &) = default;

    /// Point i, 1 <= i <= NumberOfPoints().
    virtual SplinePoint FGetPoint(int i) const;
    /// Replaces point i, 1 <= i <= NumberOfPoints(); the spline becomes unbuilt.
    virtual void FSetPoint(int i, SplinePoint point);
    /// Control vertex i, 0 <= i <= NumberOfVertices() + 1 (0 and nv + 1 are the
    /// phantom end vertices). Builds first; (0, 0) with fewer than 2 points.
    virtual SplinePoint FGetVertex(int i);
    /// Overwrites control vertex i after building; does not unbuild.
    virtual void FSetVertex(int i, SplinePoint vertex);
    /// Whether point i makes a corner; always false for the first and last point.
    virtual bool FGetKnuckle(int i) const;
    /// Marks point i, 1 <= i <= NumberOfPoints(), as a corner; unbuilds.
    virtual void FSetKnuckle(int i, bool knuckle);

    /// Appends a point (pixels or any unit); the store grows by 25 slots.
    /// Throws once kMaxPoints points are stored.
    virtual void AddPoint(float x, float y);
    /// Lowers \a min and raises \a max, coordinate by coordinate, over all points.
    virtual void extremes(SplinePoint &min, SplinePoint &max) const;
    /// Empties the spline and restores the defaults (not interpolated, 100 fragments).
    virtual void Clear();

    /// Curve point at parameter t in [0, 1]; t = 0 is point 1, t = 1 the last.
    /// (0, 0) with fewer than 2 points.
    virtual SplinePoint Value(double t);
    /// Derivatives with respect to the knot parameter u = (nv - 1) t + 1.
    virtual SplinePoint firstDerivative(double t);
    virtual SplinePoint secondDerivative(double t);

    /// Finds the curve points whose x (KnownX) or y (KnownY) equals the given
    /// value; returns whether any was found. Throws when more than
    /// SplineResults::kMaxResults are found, keeping those found so far.
    virtual bool KnownX(float x, SplineResults &results);
    virtual bool KnownY(float y, SplineResults &results);

    /// The pixels that drawing joins: Fragments() + 1 curve points rounded
    /// half to even.
    std::vector<SplinePixel> polyline();
    /// \a point rounded half to even to whole pixels; coordinates beyond any
    /// screen are held at +-2^30 and NaN gives 0, so no conversion overflows.
    static SplinePixel pixelOf(SplinePoint point);

    int NumberOfPoints() const { return m_count; }
    int capacity() const { return m_capacity; }
    /// Vertex count nv after the last build (0 while unbuilt).
    int NumberOfVertices() const { return m_vertexCount; }
    bool isBuilt() const { return m_built; }

    bool Interpolated() const { return m_interpolated; }
    /// Changing it unbuilds the spline.
    void SetInterpolated(bool on);
    int Fragments() const { return m_fragments; }
    /// Number of straight segments drawing uses, kept within 1..600.
    void SetFragments(int fragments);
    bool ShowPoints() const { return m_showPoints; }
    void SetShowPoints(bool on) { m_showPoints = on; }

    /// Bounding box of the points as of the last build; (0, 0)-(1, 1) while unbuilt.
    SplinePoint boundsMin() const { return m_boundsMin; }
    SplinePoint boundsMax() const { return m_boundsMax; }

protected:
    /// Name used in the out-of-bounds messages.
    virtual std::string className() const { return "TBSpline"; }

    virtual void setCapacity(int capacity);
    /// Solves the tridiagonal system for one coordinate of vertices 1..nv.
    virtual void solveInterpolation(std::vector<float> &rhs) const;
    /// Fills the band of the interpolation matrix for the current vertices.
    virtual void fillMatrix();
    virtual void build();

    [[noreturn]] void throwOutOfBounds(const char *method, int index) const;

private:
    enum class Axis { X, Y };
    bool known(Axis axis, float value, SplineResults &results, const char *method);
    void unbuild();
    SplinePoint weighted(double t, int order);

    int m_count = 0;
    int m_capacity = 0;
    std::vector<SplinePoint> m_points; // slot k holds point k + 1
    std::vector<std::uint8_t> m_knuckles;
    bool m_built = false;
    int m_vertexCount = 0;
    std::vector<SplinePoint> m_vertices; // 0..nv + 1
    bool m_interpolated = false;
    int m_fragments = 100;
    bool m_showPoints = false;
    SplinePoint m_boundsMin {0.0f, 0.0f};
    SplinePoint m_boundsMax {1.0f, 1.0f};

    // The interpolation matrix, alive for one build. Every row has at most
    // three non-zeros (sub-diagonal, diagonal, super-diagonal), so only the
    // band is stored; elimination on the full matrix touches nothing else.
    std::vector<float> m_lower;
    std::vector<float> m_diagonal;
    std::vector<float> m_upper;
};
