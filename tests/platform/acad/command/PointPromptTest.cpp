#include <acedads.h>

#include <acadsim/SystemVariables.h>

#include <array>
#include <cmath>

#include "CommandLineFixture.h"

namespace {

using Point = std::array<double, 3>;

}  // namespace

using GetPoint = CommandLineTest;

TEST_F(GetPoint, TakesAbsoluteAndRelativePoints) {
  std::vector<Point> points;
  addCommand(u"P", u"P", 0, [&] {
    ads_point point;
    while (acedGetPoint(nullptr, u"\nPoint: ", point) == RTNORM) points.push_back({point[0], point[1], point[2]});
  });
  run(u"P 1,2 @3,4 @ 5,6,7 @1,1,1 10.5,-2");
  EXPECT_EQ(points, (std::vector<Point>{
                        {1, 2, 0}, {4, 6, 0}, {4, 6, 0}, {5, 6, 7}, {6, 7, 8}, {10.5, -2, 0}}));
}

TEST_F(GetPoint, RefusesWhatIsNoPoint) {
  addCommand(u"P", u"P", 0, [&] {
    ads_point point;
    acedGetPoint(nullptr, u"\nPoint: ", point);
  });
  EXPECT_EQ(run(u"P 1 1,2,3,4 a,b @x 1,2"),
            u"Command: P\nPoint: 1\nInvalid point.\nPoint: 1,2,3,4\nInvalid point.\nPoint: a,b\nInvalid point.\n"
            u"Point: @x\nInvalid point.\nPoint: 1,2\n");
}

TEST_F(GetPoint, TakesAnAutoLispPointList) {
  Point got{};
  lispValues = {{u"(list 1 2 3)", u"(1 2 3)"}};
  addCommand(u"P", u"P", 0, [&] {
    ads_point point;
    if (acedGetPoint(nullptr, u"Point: ", point) == RTNORM) got = {point[0], point[1], point[2]};
  });
  run(u"P (list 1 2 3)");
  EXPECT_EQ(got, (Point{1, 2, 3}));
}

TEST_F(GetPoint, KeywordsEnterAndNoNull) {
  std::vector<int> statuses;
  ACHAR keyword[132] = u"";
  addCommand(u"P", u"P", 0, [&] {
    ads_point point;
    acedInitGet(0, u"Close Undo");
    statuses.push_back(acedGetPoint(nullptr, u"Point: ", point));
    acedGetInput(keyword);
    statuses.push_back(acedGetPoint(nullptr, u"Point: ", point));
    acedInitGet(RSG_NONULL, nullptr);
    statuses.push_back(acedGetPoint(nullptr, u"Point: ", point));
  });
  run(u"P c\n\n\n0,0");
  EXPECT_EQ(statuses, (std::vector<int>{RTKWORD, RTNONE, RTNORM}));
  EXPECT_EQ(std::u16string(keyword), u"Close");
}

namespace {

void SetVariable(const ACHAR* name, resbuf value) { ASSERT_EQ(acedSetVar(name, &value), RTNORM); }

void ExpectNear(const Point& got, const Point& expected) {
  for (size_t i = 0; i < 3; ++i) EXPECT_NEAR(got[i], expected[i], 1e-12) << "coordinate " << i;
}

}  // namespace

TEST_F(GetPoint, TakesPolarPointsFromTheOriginAndFromTheLastPoint) {
  std::vector<Point> points;
  addCommand(u"P", u"P", 0, [&] {
    ads_point point;
    while (acedGetPoint(nullptr, u"\nPoint: ", point) == RTNORM) points.push_back({point[0], point[1], point[2]});
  });
  EXPECT_EQ(run(u"P 1,1,5 @2<90 10<0 2<x <30 5<"),
            u"Command: P\nPoint: 1,1,5\nPoint: @2<90\nPoint: 10<0\nPoint: 2<x\nInvalid point.\nPoint: <30\n"
            u"Invalid point.\nPoint: 5<\nInvalid point.\nPoint: \n");
  ASSERT_EQ(points.size(), 3u);
  ExpectNear(points[1], {1, 3, 5});
  ExpectNear(points[2], {10, 0, 0});
}

TEST_F(GetPoint, PolarAnglesFollowTheAngleUnitsBaseAndDirection) {
  std::vector<Point> points;
  addCommand(u"P", u"P", 0, [&] {
    ads_point point;
    while (acedGetPoint(nullptr, u"\nPoint: ", point) == RTNORM) points.push_back({point[0], point[1], point[2]});
  });
  resbuf value{};
  value.restype = RTSHORT;
  value.resval.rint = 2;  // grads
  SetVariable(u"AUNITS", value);
  run(u"P 2<100g");
  value.resval.rint = 0;
  SetVariable(u"AUNITS", value);
  value.resval.rint = 1;  // clockwise
  SetVariable(u"ANGDIR", value);
  value.restype = RTREAL;
  value.resval.rreal = M_PI / 2;  // angle 0 points north
  SetVariable(u"ANGBASE", value);
  run(u"P 3<0 3<90");
  acadsim::resetSessionSystemVariables();
  ASSERT_EQ(points.size(), 3u);
  ExpectNear(points[0], {0, 2, 0});
  ExpectNear(points[1], {0, 3, 0});
  ExpectNear(points[2], {3, 0, 0});
}
