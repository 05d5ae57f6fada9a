#include "controlmodel/tbspline.h"

#include "util/error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

TBSpline splineThrough(std::initializer_list<SplinePoint> points, bool interpolated)
{
    TBSpline s;
    for (const SplinePoint &p : points)
        s.AddPoint(p.x, p.y);
    s.SetInterpolated(interpolated);
    return s;
}

void expectNear(SplinePoint actual, SplinePoint expected, float tolerance = 1e-4f)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

std::string messageOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const LoopwrightError &e) {
        return e.what();
    }
    return "no error";
}

// Index errors: every accessor names itself and the bad index, and changes
// nothing.
struct IndexCase
{
    const char *name;
    std::function<void(TBSpline &)> action;
    const char *message;
};

class SplineIndexErrors : public ::testing::TestWithParam<IndexCase>
{ };

TEST_P(SplineIndexErrors, ReportMethodAndIndex)
{
    TBSpline s = splineThrough({{0, 0}, {1, 1}, {2, 0}}, false);
    EXPECT_EQ(messageOf([&] { GetParam().action(s); }), GetParam().message);
    EXPECT_EQ(s.NumberOfPoints(), 3);
    EXPECT_EQ(s.FGetPoint(3), (SplinePoint {2, 0}));
}

INSTANTIATE_TEST_SUITE_P(Accessors, SplineIndexErrors,
        ::testing::Values(IndexCase {"GetPointZero", [](TBSpline &s) { s.FGetPoint(0); },
                                  "List index out of bounds in TBSpline.FGetPoint. (0)."},
                IndexCase {"SetKnucklePastEnd", [](TBSpline &s) { s.FSetKnuckle(4, true); },
                        "List index out of bounds in TBSpline.FSetKnuckle. (4)."},
                IndexCase {"GetVertexBelowPhantom", [](TBSpline &s) { s.FGetVertex(-1); },
                        "List index out of bounds in TBSpline.FGetVertex. (-1)."},
                IndexCase {"SetVertexPastPhantom", [](TBSpline &s) { s.FSetVertex(5, {}); },
                        "List index out of bounds in TBSpline.FSetVertex. (5)."}),
        [](const auto &info) { return std::string(info.param.name); });

TEST(TBSpline, StoreGrowsBy25AndKeepsPointsAndKnuckles)
{
    TBSpline s;
    for (int i = 1; i <= 25; ++i)
        s.AddPoint(float(i), float(-i));
    s.FSetKnuckle(7, true);
    s.AddPoint(26, -26);
    EXPECT_EQ(s.capacity(), 50);
    EXPECT_EQ(s.FGetPoint(7), (SplinePoint {7, -7}));
    EXPECT_TRUE(s.FGetKnuckle(7));
    EXPECT_FALSE(s.FGetKnuckle(8));
}

TEST(TBSpline, PointBeyondTheStoreLimitIsRefused)
{
    TBSpline s;
    for (int i = 0; i < TBSpline::kMaxPoints; ++i)
        s.AddPoint(float(i), 0);
    EXPECT_EQ(messageOf([&] { s.AddPoint(1, 1); }),
            "Too many points in TBSpline.AddPoint: a spline holds at most 8191 points.");
    EXPECT_EQ(s.NumberOfPoints(), TBSpline::kMaxPoints);
    EXPECT_EQ(s.FGetPoint(TBSpline::kMaxPoints), (SplinePoint {8190, 0}));
}

// Curve points for small point sets: what the ends, the phantom vertices
// and the solve make of them.
struct CurveCase
{
    const char *name;
    std::vector<SplinePoint> points;
    bool interpolated;
    double t;
    SplinePoint expected;
};

class SplineCurves : public ::testing::TestWithParam<CurveCase>
{ };

TEST_P(SplineCurves, ValueAt)
{
    TBSpline s;
    for (const SplinePoint &p : GetParam().points)
        s.AddPoint(p.x, p.y);
    s.SetInterpolated(GetParam().interpolated);
    expectNear(s.Value(GetParam().t), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SplineCurves,
        ::testing::Values(CurveCase {"OnePointIsTheOrigin", {{40, 25}}, true, 0.0, {0, 0}},
                CurveCase {"TwoPointsAreASegment", {{10, 20}, {30, 60}}, true, 0.8, {26, 52}},
                CurveCase {
                        "CollinearThroughMiddle", {{0, 0}, {5, 10}, {10, 20}}, true, 0.5, {5, 10}},
                CurveCase {"CollinearStaysOnLine", {{0, 0}, {5, 10}, {10, 20}}, true, 0.3, {3, 6}},
                CurveCase {"ApproximatingEndsExactly", {{0, 0}, {10, 30}, {20, 0}}, false, 1.0,
                        {20, 0}},
                // (0, 30, 0) with mirrored ends: 4/6 of the peak in the middle.
                CurveCase {"ApproximatingMissesTheMiddle", {{0, 0}, {10, 30}, {20, 0}}, false, 0.5,
                        {10, 20}}),
        [](const auto &info) { return std::string(info.param.name); });

// A straight line of evenly spaced vertices: the first derivative per knot
// is the spacing and the second derivative vanishes, everywhere.
TEST(TBSpline, DerivativesOfAnEvenLine)
{
    TBSpline s = splineThrough({{0, 0}, {2, 1}, {4, 2}, {6, 3}, {8, 4}}, false);
    for (double t : {0.0, 0.1, 0.37, 0.5, 0.9, 1.0}) {
        expectNear(s.firstDerivative(t), {2, 1});
        expectNear(s.secondDerivative(t), {0, 0});
    }
}

TEST(TBSpline, InterpolationPassesThroughEveryPoint)
{
    TBSpline s = splineThrough({{0, 0}, {10, 35}, {20, -5}, {30, 40}, {45, 12}, {50, 50}}, true);
    const int n = s.NumberOfPoints();
    for (int k = 1; k <= n; ++k)
        expectNear(s.Value(double(k - 1) / (n - 1)), s.FGetPoint(k), 1e-3f);
}

TEST(TBSpline, KnuckleMakesACornerThroughThePoint)
{
    TBSpline s = splineThrough({{0, 0}, {10, 10}, {20, 0}, {30, 10}}, true);
    s.FSetKnuckle(2, true);
    EXPECT_EQ(s.FGetVertex(1), (SplinePoint {0, 0}));
    EXPECT_EQ(s.NumberOfVertices(), 6);
    // The knuckle's middle copy is vertex 3: parameter (3 - 1) / (6 - 1).
    expectNear(s.Value(0.4), {10, 10}, 1e-3f);
    // A corner: the curve comes in along the straight line from point 1 and
    // stops there (zero speed), where it turns.
    const SplinePoint before = s.Value(0.3);
    EXPECT_NEAR(before.x, before.y, 1e-4f);
    EXPECT_GT(before.x, 9.0f);
    expectNear(s.firstDerivative(0.4), {0, 0}, 1e-3f);
    EXPECT_GT(s.firstDerivative(0.45).x, 0.0f);
    EXPECT_LT(s.firstDerivative(0.45).y, 0.0f);
}

TEST(TBSpline, ChangesMakeItUnbuiltAndValueRebuilds)
{
    TBSpline s = splineThrough({{0, 0}, {10, 30}, {20, 0}}, true);
    s.FSetKnuckle(1, true); // the ends are never knuckles
    expectNear(s.Value(0), {0, 0});
    EXPECT_EQ(s.NumberOfVertices(), 3);
    EXPECT_EQ(s.boundsMax(), (SplinePoint {20, 30}));
    s.FSetPoint(2, {10, -30});
    EXPECT_FALSE(s.isBuilt());
    EXPECT_EQ(s.boundsMax(), (SplinePoint {1, 1}));
    expectNear(s.Value(0.5), {10, -30}, 1e-3f);
    TBSpline empty; // no vertices to write
    EXPECT_THROW(empty.FSetVertex(0, {1, 1}), LoopwrightError);
}

// With 250 points or more the system is not solved: the vertices are the
// points and the curve only approximates the inner ones.
class LongSplines : public ::testing::TestWithParam<int>
{ };

TEST_P(LongSplines, SolveOnlyBelow250Vertices)
{
    const int n = GetParam();
    TBSpline s;
    for (int i = 0; i < n; ++i)
        s.AddPoint(float(i), i % 2 == 0 ? 0.0f : 10.0f);
    s.SetInterpolated(true);
    expectNear(s.Value(0), {0, 0}, 1e-3f);
    expectNear(s.Value(1), s.FGetPoint(n), 1e-3f);
    const int k = n / 4 * 2; // an even point number: a peak of height 10
    const SplinePoint middle = s.Value(double(k - 1) / (n - 1));
    if (n <= TBSpline::kMaxSolvedVertices) {
        EXPECT_NEAR(middle.y, 10.0f, 1e-2f);
    } else {
        EXPECT_EQ(s.FGetVertex(k), s.FGetPoint(k));
        EXPECT_NEAR(middle.y, 10.0f * 4 / 6, 1e-3f);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, LongSplines, ::testing::Values(248, 249, 250, 601));

TEST(TBSpline, FragmentsStayWithinOneTo600)
{
    TBSpline s;
    EXPECT_EQ(s.Fragments(), 100);
    for (auto [set, stored] : {std::pair {1000, 600}, {600, 600}, {20, 20}, {0, 1}, {-3, 1}}) {
        s.SetFragments(set);
        EXPECT_EQ(s.Fragments(), stored) << set;
    }
    s.Clear();
    EXPECT_EQ(s.Fragments(), 100);
    EXPECT_FALSE(s.Interpolated());
}

TEST(TBSpline, PolylineIsTheChordForOneFragmentAndHeldOffScreen)
{
    TBSpline s = splineThrough({{0, 0}, {10, 30}, {21, 0}}, true);
    s.SetFragments(0);
    EXPECT_EQ(s.polyline(), (std::vector<SplinePixel> {{0, 0}, {21, 0}}));
    // Points far off any screen, or not numbers at all, give held pixels.
    const float inf = std::numeric_limits<float>::infinity();
    s = splineThrough({{0, 0}, {3e9f, -inf}, {std::nanf(""), 1e38f}}, false);
    auto held = [](int v) { return -(1 << 30) <= v && v <= 1 << 30; };
    for (const SplinePixel p : s.polyline())
        EXPECT_TRUE(held(p.x) && held(p.y)) << p.x << "," << p.y;
}

TEST(TBSpline, KnownXOnTwoPoints)
{
    TBSpline s = splineThrough({{10, 0}, {20, 40}}, true);
    SplineResults r;
    ASSERT_TRUE(s.KnownX(15, r));
    ASSERT_EQ(r.count, 1);
    EXPECT_FLOAT_EQ(r.parameters[0], 0.5f);
    expectNear(r.points[0], {15, 20});
    EXPECT_FALSE(s.KnownX(25, r));
    TBSpline vertical = splineThrough({{5, 0}, {5, 10}}, false);
    ASSERT_TRUE(vertical.KnownX(5, r));
    EXPECT_FLOAT_EQ(r.parameters[0], 0.5f);
}

TEST(TBSpline, KnownXAndKnownYFindEveryCrossing)
{
    // Up, down, up: the height 5 is crossed three times, x = 12 once.
    TBSpline s = splineThrough({{0, 0}, {10, 10}, {20, 0}, {30, 10}}, true);
    SplineResults r;
    ASSERT_TRUE(s.KnownY(5, r));
    ASSERT_EQ(r.count, 3);
    for (int i = 0; i < r.count; ++i) {
        EXPECT_EQ(r.points[std::size_t(i)].y, 5.0f);
        EXPECT_NEAR(s.Value(r.parameters[std::size_t(i)]).y, 5.0f, 1e-3f);
    }
    EXPECT_LT(r.points[0].x, r.points[1].x);

    // x runs evenly from 0 to 30 (x = 30 t); 12.1 lies inside one scan step.
    ASSERT_TRUE(s.KnownX(12.1f, r));
    ASSERT_EQ(r.count, 1);
    EXPECT_EQ(r.points[0].x, 12.1f);
    EXPECT_NEAR(r.parameters[0], 12.1f / 30, 1e-5f);
    EXPECT_FALSE(s.KnownX(31, r));
    TBSpline empty;
    EXPECT_FALSE(empty.KnownY(0, r));
}

} // namespace
