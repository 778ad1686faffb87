// The host's lengths, areas, end points and closure of the curves in a drawing ezdxf wrote, against what
// ezdxf's geometry gives for them (written beside the drawing at build time by make_curve_cases.py).
#include <acadsim/DxfReader.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "CurveTestDrawing.h"

namespace {

namespace fs = std::filesystem;

struct Expected {
  std::string handle, type;
  double length = 0;
  bool hasArea = false;
  double area = 0;
  AcGePoint3d start, end;
  bool closed = false;
};

AcGePoint3d pointFrom(const std::string& text) {
  std::stringstream in(text);
  AcGePoint3d p;
  in >> p.x >> p.y >> p.z;
  return p;
}

std::vector<Expected> readExpected(const std::string& path) {
  std::vector<Expected> rows;
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  while (std::getline(in, line)) {
    std::stringstream fields(line);
    std::string length, area, start, end, closed;
    Expected e;
    std::getline(fields, e.handle, '\t');
    std::getline(fields, e.type, '\t');
    std::getline(fields, length, '\t');
    std::getline(fields, area, '\t');
    std::getline(fields, start, '\t');
    std::getline(fields, end, '\t');
    std::getline(fields, closed, '\t');
    e.length = std::stod(length);
    e.hasArea = area != "-";
    e.area = e.hasArea ? std::stod(area) : 0.0;
    e.start = pointFrom(start);
    e.end = pointFrom(end);
    e.closed = closed == "1";
    rows.push_back(e);
  }
  return rows;
}

// Relative 1e-9, as the host promises for integrated lengths; absolute near zero.
void expectClose(double actual, double expected, const std::string& what) {
  EXPECT_NEAR(actual, expected, 1e-9 * std::fmax(1.0, std::fabs(expected))) << what;
}

TEST(EzdxfCases, LengthsAreasAndEndsAgree) {
  const std::string dir = QV_CURVE_CASES;
  if (!fs::exists(dir + "/curves.tsv")) GTEST_SKIP() << "no ezdxf cases at " << dir << " (python3-ezdxf missing)";
  std::vector<Expected> rows = readExpected(dir + "/curves.tsv");
  ASSERT_GE(rows.size(), 20u);
  AcDbDatabase db(false);
  acadsim::DxfError err;
  ASSERT_TRUE(acadsim::readDxf(dir + "/curves.dxf", db, err)) << err.message;
  for (const Expected& e : rows) {
    SCOPED_TRACE(e.type + " " + e.handle);
    AcDbObjectId id;
    ASSERT_EQ(db.getAcDbObjectId(id, false, AcDbHandle(std::stoull(e.handle, nullptr, 16))), Acad::eOk);
    curvetest::Opened<AcDbCurve> curve(id);
    ASSERT_NE(curve.object, nullptr);
    expectClose(curvetest::lengthOf(*curve.object), e.length, "length");
    double area = 0;
    if (e.hasArea) {
      EXPECT_EQ(curve->getArea(area), Acad::eOk);
      expectClose(area, e.area, "area");
    } else {
      EXPECT_NE(curve->getArea(area), Acad::eOk);
    }
    AcGePoint3d s, t;
    EXPECT_EQ(curve->getStartPoint(s), Acad::eOk);
    EXPECT_EQ(curve->getEndPoint(t), Acad::eOk);
    EXPECT_TRUE(s.isEqualTo(e.start, 1e-9)) << s.x << " " << s.y << " " << s.z;
    EXPECT_TRUE(t.isEqualTo(e.end, 1e-9)) << t.x << " " << t.y << " " << t.z;
    EXPECT_EQ(static_cast<bool>(curve->isClosed()), e.closed);
  }
}

}  // namespace
