// A uniform grid over the drawn extents of a database's model-space entities, so a pick tests only the
// entities near the cursor. Kept up to date from the database's change log: entities changed since the
// grid was built are held beside it with their new extents until there are too many, then it is rebuilt.
#pragma once
#include <acadsim/EntityGraphics.h>
#include <gepnt2d.h>

#include <cstdint>
#include <unordered_map>
#include <vector>

class AcDbStub;

namespace acadsim {
struct DatabaseImpl;
}

namespace acadsim::selection {

class PickIndex {
 public:
  // Brings the index up to date with db (building it on first use).
  void refresh(DatabaseImpl& db);
  // The entities whose extents meet the square of half-side radius around point, each once; erased ones
  // may be among them.
  void candidates(const AcGePoint2d& point, double radius, std::vector<AcDbStub*>& out) const;
  // How many times the grid was built (for tests of the rebuild rules).
  uint64_t builds() const { return m_builds; }

 private:
  struct Slot {
    uint32_t stubIndex;
    float minX, minY, maxX, maxY;  // rounded outwards
  };
  void rebuild(DatabaseImpl& db);
  // False when the change needs the whole grid rebuilt.
  bool takeChange(DatabaseImpl& db, AcDbStub* stub);
  void cellOf(double x, double y, int64_t& col, int64_t& row) const;
  bool meets(const Slot& slot, double minX, double minY, double maxX, double maxY) const;

  const DatabaseImpl* m_db = nullptr;
  bool m_built = false;
  uint64_t m_builds = 0;
  uint64_t m_change = 0;
  int m_pdmode = 0;
  double m_pdsize = 0;

  double m_originX = 0, m_originY = 0, m_cellSize = 1;
  int64_t m_cols = 0, m_rows = 0;
  std::vector<Slot> m_slots;
  std::vector<uint32_t> m_cellStart;    // m_cols * m_rows + 1 offsets into m_cellEntries
  std::vector<uint32_t> m_cellEntries;  // slot numbers
  std::vector<uint32_t> m_large;        // slots that span too many cells to be put in each
  std::unordered_map<AcDbStub*, Extents2d> m_changed;
};

// The index of db's model space, up to date.
PickIndex& pickIndex(DatabaseImpl& db);

}  // namespace acadsim::selection
