#include "describe/ClassTable.h"

#include <array>
#include <memory>
#include <new>
#include <optional>

#include "describe/ArchitecturalDescribers.h"
#include "describe/CurveDescribers.h"
#include "describe/DescribeEntity.h"
#include "describe/EntityDescribers.h"
#include "describe/QuillviewPX.h"

namespace {

struct ClassTableRow {
  const ACHAR* className;
  DescribeFn describe;
};

constexpr ClassTableRow kClassTable[] = {
    {u"AcDbEntity", DescribeEntity},
    {u"AcDbCurve", DescribeCurve},
    {u"AcDbPoint", DescribePoint},
    {u"AcDbLine", DescribeLine},
    {u"AcDbCircle", DescribeCircle},
    {u"AcDbArc", DescribeArc},
    {u"AcDbPolyline", DescribePolyline},
    {u"AcDb2dPolyline", Describe2dPolyline},
    {u"AecDbEntity", DescribeAecEntity},
    {u"AecDbWall", DescribeAecWall},
    {u"AecDbRoof", DescribeAecRoof},
    {u"AecDbStair", DescribeAecStair},
    {u"AecDbRailing", DescribeAecRailing},
    {u"AecDbOpeningBase", DescribeAecOpening},
    {u"AecDbOpenFiller", DescribeAecOpenFiller},
    {u"AecDbDoor", DescribeAecDoor},
    {u"AecDbWindow", DescribeAecWindow},
    {u"AeccDbPoint", DescribeCivilPoint},
    {u"AcDb3dSolid", Describe3dSolid},
    {u"AcDbRegion", DescribeRegion},
    {u"AcDbHatch", DescribeHatch},
    {u"AcDbBlockReference", DescribeBlockReference},
    {u"AcDbRasterImage", DescribeRasterImage},
    {u"AcDbText", DescribeText},
    {u"AcDbShape", DescribeShape},
    {u"AcDbAttributeDefinition", DescribeAttributeDefinition},
    {u"AcDbAttribute", DescribeAttribute},
    {u"AcDbViewport", DescribeViewport},
    {u"AcDbDimension", DescribeDimension},
    {u"AcDbTable", DescribeTable},
};

class ClassTable {
 public:
  ClassTable() {
    for (size_t row = 0; row < m_rows.size(); ++row) {
      m_rows[row].emplace(kClassTable[row].className, kClassTable[row].describe);
    }
  }
  ~ClassTable() {
    for (size_t row = m_rows.size(); row-- > 0;) m_rows[row].reset();
  }
  ClassTable(const ClassTable&) = delete;
  ClassTable& operator=(const ClassTable&) = delete;

 private:
  std::array<std::optional<QuillviewPX>, std::size(kClassTable)> m_rows;
};

std::unique_ptr<ClassTable> g_classTable;

}  // namespace

bool CreateClassTable() {
  if (g_classTable != nullptr) return true;
  try {
    g_classTable = std::make_unique<ClassTable>();
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

void DestroyClassTable() { g_classTable.reset(); }
