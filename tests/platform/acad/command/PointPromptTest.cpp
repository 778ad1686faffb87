#include <acedads.h>

#include <array>

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
