// acedGetWinNum, acedCoordFromPixelToWorld and acedTrans.
#include <acedads.h>
#include <adscodes.h>
#include <dbents.h>
#include <gtest/gtest.h>

#include "ViewTestSupport.h"

namespace {

using viewtest::OpenDrawing;

resbuf system(short code) {
  resbuf rb{};
  rb.restype = RTSHORT;
  rb.resval.rint = code;
  return rb;
}

resbuf extrusion(double x, double y, double z) {
  resbuf rb{};
  rb.restype = RT3DPOINT;
  rb.resval.rpoint[0] = x, rb.resval.rpoint[1] = y, rb.resval.rpoint[2] = z;
  return rb;
}

TEST(AcedGetWinNum, TheModelViewportInsideTheClientAreaOnly) {
  OpenDrawing drawing(viewtest::line(0, 0, 10, 10));
  acadsim::setViewSize(drawing.doc(), 200, 100);
  EXPECT_EQ(acedGetWinNum(0, 0), 2);
  EXPECT_EQ(acedGetWinNum(199, 99), 2);
  EXPECT_EQ(acedGetWinNum(200, 50), -1);
  EXPECT_EQ(acedGetWinNum(50, 100), -1);
  EXPECT_EQ(acedGetWinNum(-1, 0), -1);
}

TEST(AcedCoordFromPixelToWorld, GivesThePixelCentreOfTheView) {
  OpenDrawing drawing(viewtest::line(0, 0, 10, 10));
  acadsim::setViewSize(drawing.doc(), 200, 100);
  ads_point world = {9, 9, 9};
  ASSERT_TRUE(acedCoordFromPixelToWorld(2, POINT{20, 30}, world));
  AcGePoint2d expected = acadsim::documentView(drawing.doc()).toWorld(20, 30);
  EXPECT_DOUBLE_EQ(world[0], expected.x);
  EXPECT_DOUBLE_EQ(world[1], expected.y);
  EXPECT_DOUBLE_EQ(world[2], 0);
  EXPECT_FALSE(acedCoordFromPixelToWorld(1, POINT{20, 30}, world));
  EXPECT_FALSE(acedCoordFromPixelToWorld(-1, POINT{20, 30}, world));
}

TEST(AcedTrans, UcsFromTheHeaderAndDisplacementsWithoutItsOrigin) {
  OpenDrawing drawing("", viewtest::dxfText({{9, "$UCSORG"}, {10, "10"}, {20, "0"}, {30, "0"}, {9, "$UCSXDIR"},
                                             {10, "0"}, {20, "1"}, {30, "0"}, {9, "$UCSYDIR"}, {10, "-1"}, {20, "0"},
                                             {30, "0"}}));
  resbuf wcs = system(0), ucs = system(1);
  ads_point pt = {10, 5, 0}, out;
  ASSERT_EQ(acedTrans(pt, &wcs, &ucs, 0, out), RTNORM);
  EXPECT_NEAR(out[0], 5, 1e-12);  // the UCS X axis runs along world Y
  EXPECT_NEAR(out[1], 0, 1e-12);
  ads_point back;
  ASSERT_EQ(acedTrans(out, &ucs, &wcs, 0, back), RTNORM);
  EXPECT_NEAR(back[0], 10, 1e-12);
  EXPECT_NEAR(back[1], 5, 1e-12);
  ads_point d = {1, 0, 0};
  ASSERT_EQ(acedTrans(d, &ucs, &wcs, 1, out), RTNORM);
  EXPECT_NEAR(out[0], 0, 1e-12);
  EXPECT_NEAR(out[1], 1, 1e-12);
}

TEST(AcedTrans, DisplayIsTheWorldSeenFromAbove) {
  OpenDrawing drawing(viewtest::line(0, 0, 1, 1));
  resbuf wcs = system(0), dcs = system(2);
  ads_point pt = {3, 4, 5}, out;
  ASSERT_EQ(acedTrans(pt, &wcs, &dcs, 0, out), RTNORM);
  EXPECT_DOUBLE_EQ(out[0], 3);
  EXPECT_DOUBLE_EQ(out[2], 5);
}

TEST(AcedTrans, ExtrusionDirectionByTheArbitraryAxisAlgorithm) {
  OpenDrawing drawing(viewtest::line(0, 0, 1, 1));
  resbuf wcs = system(0), ocs = extrusion(0, 0, -1);
  ads_point pt = {1, 2, 3}, out;
  ASSERT_EQ(acedTrans(pt, &wcs, &ocs, 0, out), RTNORM);
  EXPECT_NEAR(out[0], -1, 1e-12);
  EXPECT_NEAR(out[1], 2, 1e-12);
  EXPECT_NEAR(out[2], -3, 1e-12);
}

TEST(AcedTrans, AnEntityNameMeansItsObjectCoordinates) {
  OpenDrawing drawing(viewtest::dxfText({{0, "CIRCLE"}, {8, "0"}, {10, "1"}, {20, "2"}, {30, "3"}, {40, "1"},
                                         {210, "0"}, {220, "0"}, {230, "-1"}}));
  ads_name circle;
  ASSERT_EQ(acdbGetAdsName(circle, dbtest::firstModelSpaceEntity(*drawing.doc()->database())), Acad::eOk);
  resbuf wcs = system(0), ecs{};
  ecs.restype = RTENAME;
  ecs.resval.rlname[0] = circle[0], ecs.resval.rlname[1] = circle[1];
  ads_point pt = {1, 2, 3}, out;
  ASSERT_EQ(acedTrans(pt, &ecs, &wcs, 0, out), RTNORM);
  EXPECT_NEAR(out[0], -1, 1e-12);
  EXPECT_NEAR(out[2], -3, 1e-12);
}

TEST(AcedTrans, UnknownSystemsAreErrors) {
  OpenDrawing drawing(viewtest::line(0, 0, 1, 1));
  resbuf wcs = system(0), bad = system(7), text{};
  text.restype = RTSTR;
  ads_point pt = {1, 2, 3}, out;
  EXPECT_EQ(acedTrans(pt, &wcs, &bad, 0, out), RTERROR);
  EXPECT_EQ(acedTrans(pt, &text, &wcs, 0, out), RTERROR);
  EXPECT_EQ(acedTrans(pt, nullptr, &wcs, 0, out), RTERROR);
}

}  // namespace
