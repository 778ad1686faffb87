// The host's SAT reader: decoding DXF text, faces and loops, transforms, and refusal of malformed input.
#include <acadsim/AcisModel.h>
#include <dbmain.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "SatWriter.h"
#include "SolidSatSamples.h"

namespace {

using acadsim::AcisCurveKind;
using acadsim::AcisModel;
using acadsim::AcisSurfaceKind;
using acadsim::readAcisModel;

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

std::string joined(const std::vector<std::string>& parts) {
  std::string out;
  for (const std::string& p : parts) out += p + "\n";
  return out;
}

// Every face's loops close and run counter-clockwise (outer) about the outward normal; returns the sum of
// the signed loop areas, which is the surface area when no face has holes.
double checkLoops(const AcisModel& model) {
  double total = 0;
  for (const auto& face : model.faces)
    for (const auto& loop : face.loops) {
      AcGeVector3d twice;
      for (size_t k = 0; k < loop.edges.size(); ++k) {
        const auto& e = loop.edges[k];
        const auto& next = loop.edges[(k + 1) % loop.edges.size()];
        EXPECT_EQ(e.endVertex, next.startVertex);
        EXPECT_TRUE(e.end.isEqualTo(next.start, 1e-12));
        twice = twice + (e.start - AcGePoint3d::kOrigin).crossProduct(e.end - AcGePoint3d::kOrigin);
      }
      total += twice.dotProduct(face.surface.normal) / 2;
    }
  return total;
}

TEST(AcisDxfText, UndoesTheCharacterRotationAndCaretEscapes) {
  std::string sat;
  acadsim::appendAcisDxfGroup(sat, 1, "hoo o n o");
  EXPECT_EQ(sat, "700 0 1 0");
  acadsim::appendAcisDxfGroup(sat, 1, "^ ");
  EXPECT_EQ(sat, "700 0 1 0\nA");
  // A 3 group continues the line before it.
  acadsim::appendAcisDxfGroup(sat, 3, soltest::encodeForDxf("CIS #"));
  EXPECT_EQ(sat, "700 0 1 0\nACIS #");
  std::string tail;
  acadsim::appendAcisDxfGroup(tail, 1, "^");
  EXPECT_EQ(tail, std::string(1, static_cast<char>(159 - '^')));
}

TEST(AcisModelReader, ReadsACubeInBothRecordLayouts) {
  for (int version : {400, 700}) {
    SCOPED_TRACE(version);
    AcisModel model;
    ASSERT_EQ(readAcisModel(soltest::writeSat(soltest::unitCube(), {version, ""}), model), Acad::eOk);
    EXPECT_EQ(model.version, version);
    EXPECT_EQ(model.lumpCount, 1);
    ASSERT_EQ(model.faces.size(), 6u);
    for (const auto& face : model.faces) {
      EXPECT_EQ(face.surface.kind, AcisSurfaceKind::kPlane);
      ASSERT_EQ(face.loops.size(), 1u);
      ASSERT_EQ(face.loops[0].edges.size(), 4u);
      for (const auto& e : face.loops[0].edges) EXPECT_EQ(e.kind, AcisCurveKind::kLine);
      // Outward: from the cube's centre towards the face.
      AcGeVector3d out = face.loops[0].edges[0].start - AcGePoint3d(0.5, 0.5, 0.5);
      EXPECT_GT(out.dotProduct(face.surface.normal), 0);
      EXPECT_NEAR(face.surface.normal.length(), 1, 1e-15);
    }
    EXPECT_NEAR(checkLoops(model), 6, 1e-12);
  }
}

TEST(AcisModelReader, AppliesTheBodyTransform) {
  // The axes' images: x to y, y to -x, z to z; then a shift by (10, 0, 0) and a scale of 2.
  AcisModel model;
  ASSERT_EQ(readAcisModel(soltest::writeSat(soltest::unitCube(), {700, "0 1 0 -1 0 0 0 0 1 10 0 0 2 rotate no_reflect no_shear"}), model),
            Acad::eOk);
  AcDbExtents box;
  for (const auto& face : model.faces)
    for (const auto& e : face.loops[0].edges) box.addPoint(e.start);
  EXPECT_TRUE(box.minPoint().isEqualTo({8, 0, 0}, 1e-12));
  EXPECT_TRUE(box.maxPoint().isEqualTo({10, 2, 2}, 1e-12));
  EXPECT_NEAR(checkLoops(model), 24, 1e-12);

  // A reflection keeps the loops counter-clockwise about the outward normals.
  ASSERT_EQ(readAcisModel(soltest::writeSat(soltest::unitCube(), {700, "-1 0 0 0 1 0 0 0 1 0 0 0 1 no_rotate reflect no_shear"}), model),
            Acad::eOk);
  EXPECT_NEAR(checkLoops(model), 6, 1e-12);
  for (const auto& face : model.faces) {
    AcGeVector3d out = face.loops[0].edges[0].start - AcGePoint3d(-0.5, 0.5, 0.5);
    EXPECT_GT(out.dotProduct(face.surface.normal), 0);
  }

  EXPECT_EQ(readAcisModel(soltest::writeSat(soltest::unitCube(), {700, "1 0 0 0 1 0 0 0 1 0 0 0 1 no_rotate no_reflect shear"}), model),
            Acad::eNotImplementedYet);
  EXPECT_EQ(readAcisModel(soltest::writeSat(soltest::unitCube(), {700, "2 0 0 0 1 0 0 0 1 0 0 0 1 no_rotate no_reflect no_shear"}), model),
            Acad::eNotImplementedYet);
  EXPECT_EQ(readAcisModel(soltest::writeSat(soltest::unitCube(), {700, "1 0 0 0 1 0 0 0 1 0 0 0 0 no_rotate no_reflect no_shear"}), model),
            Acad::eInvalidInput);
  EXPECT_TRUE(model.faces.empty());
}

TEST(AcisModelReader, ReadsCirclesWithTheirSense) {
  AcisModel model;
  ASSERT_EQ(readAcisModel(soltest::kCylinderSat, model), Acad::eOk);
  ASSERT_EQ(model.faces.size(), 3u);
  const auto& side = model.faces[0];
  EXPECT_EQ(side.surface.kind, AcisSurfaceKind::kCone);
  EXPECT_FALSE(side.inward);
  EXPECT_EQ(side.surface.sineAngle, 0);
  EXPECT_TRUE(side.surface.majorAxis.isEqualTo({2, 0, 0}));
  ASSERT_EQ(side.loops.size(), 2u);
  const auto& top = model.faces[1].loops.at(0).edges.at(0);
  EXPECT_EQ(top.kind, AcisCurveKind::kEllipse);
  EXPECT_TRUE(top.normal.isEqualTo({0, 0, 1}));
  EXPECT_TRUE(top.center.isEqualTo({0, 0, 3}));
  EXPECT_NEAR(top.endAngle - top.startAngle, 2 * M_PI, 1e-15);
  EXPECT_EQ(top.startVertex, top.endVertex);
  // The bottom cap faces down: its rim runs the other way round.
  const auto& bottom = model.faces[2].loops.at(0).edges.at(0);
  EXPECT_TRUE(bottom.normal.isEqualTo({0, 0, -1}));
  EXPECT_TRUE(model.faces[2].surface.normal.isEqualTo({0, 0, -1}));
}

TEST(AcisModelReader, MeasuresAnglesFromTheMajorAxis) {
  // The top rim's vertex a quarter turn round from the major axis.
  std::string sat = soltest::kCylinderSat;
  sat.replace(sat.find("point $-1 -1 $-1 2 0 3"), 22, "point $-1 -1 $-1 0 2 3");
  AcisModel model;
  ASSERT_EQ(readAcisModel(sat, model), Acad::eOk);
  const auto& rim = model.faces[1].loops[0].edges[0];
  EXPECT_NEAR(rim.startAngle, M_PI / 2, 1e-15);
  EXPECT_NEAR(rim.endAngle, M_PI / 2 + 2 * M_PI, 1e-15);
}

TEST(AcisModelReader, RefusesMalformedText) {
  const std::string cube = soltest::writeSat(soltest::unitCube());
  AcisModel model;
  EXPECT_EQ(readAcisModel("", model), Acad::eInvalidInput);
  EXPECT_EQ(readAcisModel("garbage", model), Acad::eInvalidInput);
  EXPECT_EQ(readAcisModel("300 0 1 0\nx\ny\nEnd-of-ACIS-data\n", model), Acad::eNotImplementedYet);
  EXPECT_EQ(readAcisModel("700 0 1 0\nx\ny\nEnd-of-ACIS-data\n", model), Acad::eOk);
  EXPECT_TRUE(model.faces.empty());
  std::string noEnd = cube.substr(0, cube.find("End-of-ACIS-data"));
  EXPECT_EQ(readAcisModel(noEnd, model), Acad::eInvalidInput);

  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string s = cube;
    size_t at = s.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return s.replace(at, from.size(), to);
  };
  // A pointer past the last record, a face whose loop is a point, an infinite or NaN number, a string
  // running past the end, a record without its attribute pointer.
  EXPECT_EQ(readAcisModel(replaced("shell $-1 -1 $-1 $-1 $-1 $3", "shell $-1 -1 $-1 $-1 $-1 $9999"), model), Acad::eInvalidInput);
  EXPECT_EQ(readAcisModel(replaced("loop $-1 -1 $-1 $-1 $", "loop $-1 -1 $-1 $-1 $2 $"), model), Acad::eInvalidInput);
  EXPECT_EQ(readAcisModel(replaced("point $-1 -1 $-1 0 0 0", "point $-1 -1 $-1 1e999 0 0"), model), Acad::eInvalidInput);
  EXPECT_EQ(readAcisModel(replaced("point $-1 -1 $-1 0 0 0", "point $-1 -1 $-1 nan 0 0"), model), Acad::eInvalidInput);
  EXPECT_EQ(readAcisModel(replaced("@7 unknown #", "@999 unknown #"), model), Acad::eInvalidInput);
  EXPECT_EQ(readAcisModel(replaced("lump $-1 -1", "lump 7 -1"), model), Acad::eInvalidInput);
  EXPECT_TRUE(model.faces.empty());
}

TEST(AcisModelReader, CyclesEndWithAnError) {
  const std::string cube = soltest::writeSat(soltest::unitCube());
  AcisModel model;
  // The first face names itself as the next face; the first coedge names itself as its successor.
  std::string faceCycle = cube;
  size_t face = faceCycle.find("face $-1 -1 $-1 $6");
  ASSERT_NE(face, std::string::npos);
  faceCycle.replace(face, 18, "face $-1 -1 $-1 $3");
  EXPECT_EQ(readAcisModel(faceCycle, model), Acad::eInvalidInput);
  // Records 21 to 24 are the first face's coedges; the second names itself as its successor.
  std::vector<std::string> records = lines(cube);
  std::string& second = records[3 + 22];
  ASSERT_EQ(second.rfind("coedge $-1 -1 $-1 $23 ", 0), 0u) << second;
  second.replace(0, 21, "coedge $-1 -1 $-1 $22");
  EXPECT_EQ(readAcisModel(joined(records), model), Acad::eInvalidInput);
}

TEST(AcisModelReader, SurvivesEveryTruncation) {
  const std::string sat = soltest::writeSat(soltest::lPrism());
  const size_t end = sat.find("End-of-ACIS-data") + 16;
  AcisModel model;
  for (size_t n = 0; n < sat.size(); ++n) {
    Acad::ErrorStatus es = readAcisModel(std::string_view(sat).substr(0, n), model);
    // A cut inside the version number leaves a version before 400.
    if (n >= end) ASSERT_EQ(es, Acad::eOk);
    else if (n < 3) ASSERT_EQ(es, n == 0 ? Acad::eInvalidInput : Acad::eNotImplementedYet) << n;
    else ASSERT_EQ(es, Acad::eInvalidInput) << n;
  }
}

TEST(AcisModelReader, SurvivesShuffledAndMutatedRecords) {
  const std::vector<std::string> original = lines(soltest::writeSat(soltest::lPrism()));
  std::mt19937 random(20261206);
  AcisModel model;
  for (int round = 0; round < 300; ++round) {
    std::vector<std::string> records = original;
    std::shuffle(records.begin() + 3, records.end() - 1, random);
    Acad::ErrorStatus es = readAcisModel(joined(records), model);
    EXPECT_TRUE(es == Acad::eOk || es == Acad::eInvalidInput);
    if (es == Acad::eOk) checkLoops(model);
  }
  const std::string text = joined(original);
  const std::string alphabet = "$#@-0123456789 .eI";
  for (int round = 0; round < 2000; ++round) {
    std::string mutated = text;
    for (int k = 0; k < 3; ++k)
      mutated[random() % mutated.size()] = alphabet[random() % alphabet.size()];
    Acad::ErrorStatus es = readAcisModel(mutated, model);
    EXPECT_TRUE(es == Acad::eOk || es == Acad::eInvalidInput || es == Acad::eNotImplementedYet) << es;
  }
}

}  // namespace
