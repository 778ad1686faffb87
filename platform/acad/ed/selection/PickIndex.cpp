#include "PickIndex.h"

#include <dbsymtb.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "../../db/DatabaseImpl.h"

namespace acadsim::selection {
namespace {

// Changed entities held beside the grid before it is rebuilt, and the cells one entity may fill.
constexpr size_t kMaxChanged = 1024;
constexpr int64_t kMaxCellsPerEntity = 64;

float below(double v) {
  float f = static_cast<float>(v);
  return static_cast<double>(f) > v ? std::nextafter(f, -INFINITY) : f;
}
float above(double v) {
  float f = static_cast<float>(v);
  return static_cast<double>(f) < v ? std::nextafter(f, INFINITY) : f;
}

const AcDbEntity* liveEntity(const AcDbStub* stub) {
  const AcDbEntity* entity = stub && stub->object ? AcDbEntity::cast(stub->object) : nullptr;
  return entity && !entity->isErased() ? entity : nullptr;
}

}  // namespace

void PickIndex::cellOf(double x, double y, int64_t& col, int64_t& row) const {
  col = std::clamp<int64_t>(static_cast<int64_t>(std::floor((x - m_originX) / m_cellSize)), 0, m_cols - 1);
  row = std::clamp<int64_t>(static_cast<int64_t>(std::floor((y - m_originY) / m_cellSize)), 0, m_rows - 1);
}

bool PickIndex::meets(const Slot& s, double minX, double minY, double maxX, double maxY) const {
  return s.minX <= maxX && s.maxX >= minX && s.minY <= maxY && s.maxY >= minY;
}

void PickIndex::rebuild(DatabaseImpl& db) {
  ++m_builds;
  m_slots.clear();
  m_large.clear();
  m_changed.clear();
  m_cellEntries.clear();
  auto* space = peek<AcDbBlockTableRecord>(db.modelSpace);
  double minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
  if (space != nullptr) {
    m_slots.reserve(space->entityIds().size());
    for (AcDbObjectId id : space->entityIds()) {
      AcDbStub* stub = id;
      const AcDbEntity* entity = liveEntity(stub);
      if (entity == nullptr) continue;
      Extents2d e = entityGraphics(*entity).extents;
      if (e.isEmpty()) continue;
      m_slots.push_back(Slot{static_cast<uint32_t>(stub->index), below(e.min.x), below(e.min.y), above(e.max.x),
                             above(e.max.y)});
      minX = std::min(minX, e.min.x);
      minY = std::min(minY, e.min.y);
      maxX = std::max(maxX, e.max.x);
      maxY = std::max(maxY, e.max.y);
    }
  }
  m_slots.shrink_to_fit();
  const double n = static_cast<double>(std::max<size_t>(m_slots.size(), 1));
  const double width = m_slots.empty() ? 0 : maxX - minX, height = m_slots.empty() ? 0 : maxY - minY;
  // About one cell per entity, square cells over the drawn area.
  m_cellSize = std::max({std::sqrt(width * height / n), std::max(width, height) / n, 1e-9});
  m_originX = m_slots.empty() ? 0 : minX;
  m_originY = m_slots.empty() ? 0 : minY;
  for (;;) {
    m_cols = static_cast<int64_t>(width / m_cellSize) + 1;
    m_rows = static_cast<int64_t>(height / m_cellSize) + 1;
    if (m_cols * m_rows <= 4 * static_cast<int64_t>(n) + 16) break;
    m_cellSize *= 2;
  }
  // Two passes: count each cell's entries, then place them.
  std::vector<uint32_t> counts(static_cast<size_t>(m_cols * m_rows) + 1, 0);
  auto cellRange = [&](const Slot& s, int64_t& c0, int64_t& r0, int64_t& c1, int64_t& r1) {
    cellOf(s.minX, s.minY, c0, r0);
    cellOf(s.maxX, s.maxY, c1, r1);
    return (c1 - c0 + 1) * (r1 - r0 + 1) <= kMaxCellsPerEntity;
  };
  for (uint32_t i = 0; i < m_slots.size(); ++i) {
    int64_t c0, r0, c1, r1;
    if (!cellRange(m_slots[i], c0, r0, c1, r1)) continue;
    for (int64_t r = r0; r <= r1; ++r)
      for (int64_t c = c0; c <= c1; ++c) ++counts[static_cast<size_t>(r * m_cols + c) + 1];
  }
  for (size_t i = 1; i < counts.size(); ++i) counts[i] += counts[i - 1];
  m_cellStart = counts;
  m_cellEntries.assign(m_cellStart.back(), 0);
  for (uint32_t i = 0; i < m_slots.size(); ++i) {
    int64_t c0, r0, c1, r1;
    if (!cellRange(m_slots[i], c0, r0, c1, r1)) {
      m_large.push_back(i);
      continue;
    }
    for (int64_t r = r0; r <= r1; ++r)
      for (int64_t c = c0; c <= c1; ++c) m_cellEntries[counts[static_cast<size_t>(r * m_cols + c)]++] = i;
  }
  m_built = true;
}

bool PickIndex::takeChange(DatabaseImpl& db, AcDbStub* stub) {
  AcDbObject* obj = stub->object;
  if (obj == nullptr) return true;
  if (auto* entity = AcDbEntity::cast(obj)) {
    AcDbObjectId owner = entity->ownerId();
    // A vertex or an attribute changes the drawing of the entity that owns it.
    if (auto* parent = peek<AcDbEntity>(owner)) return takeChange(db, static_cast<AcDbStub*>(parent->objectId()));
    if (owner != db.modelSpace) {
      // Paper space is not picked; an entity of a block definition changes every reference to it.
      auto* block = peek<AcDbBlockTableRecord>(owner);
      return block == nullptr || owner == db.paperSpace || !block->getLayoutId().isNull();
    }
    if (entity->isErased()) {
      m_changed.erase(stub);  // picks pass over erased entities, so the grid's old place for it does no harm
    } else {
      m_changed[stub] = entityGraphics(*entity).extents;
    }
    return m_changed.size() <= kMaxChanged;
  }
  // What changes how entities draw: layers, linetypes, styles and block definitions (model space's own
  // record is opened for every entity appended to it, which the entity's own entry covers).
  if (AcDbBlockTableRecord::cast(obj)) return stub == static_cast<AcDbStub*>(db.modelSpace) || stub == static_cast<AcDbStub*>(db.paperSpace);
  return AcDbSymbolTableRecord::cast(obj) == nullptr;
}

void PickIndex::refresh(DatabaseImpl& db) {
  const int pdmode = db.headerInt("$PDMODE", 0);
  const double pdsize = db.headerReal("$PDSIZE", 0);
  bool whole = !m_built || m_db != &db || db.changeLogOverflowed || pdmode != m_pdmode || pdsize != m_pdsize;
  if (!whole && db.changeCount != m_change) {
    for (AcDbStub* stub : db.changedStubs) {
      if (!takeChange(db, stub)) {
        whole = true;
        break;
      }
    }
  }
  if (whole) rebuild(db);
  db.changedStubs.clear();
  db.changeLogOverflowed = false;
  m_db = &db;
  m_change = db.changeCount;
  m_pdmode = pdmode;
  m_pdsize = pdsize;
}

void PickIndex::candidates(const AcGePoint2d& p, double radius, std::vector<AcDbStub*>& out) const {
  out.clear();
  if (m_db == nullptr) return;
  const double minX = p.x - radius, minY = p.y - radius, maxX = p.x + radius, maxY = p.y + radius;
  auto stubOf = [&](const Slot& s) { return m_db->stubs[s.stubIndex].get(); };
  auto keep = [&](const Slot& s) {
    AcDbStub* stub = stubOf(s);
    if (m_changed.count(stub) == 0) out.push_back(stub);
  };
  if (m_cols > 0 && maxX >= m_originX && maxY >= m_originY && minX <= m_originX + m_cols * m_cellSize &&
      minY <= m_originY + m_rows * m_cellSize) {
    int64_t qc0, qr0, qc1, qr1;
    cellOf(minX, minY, qc0, qr0);
    cellOf(maxX, maxY, qc1, qr1);
    for (int64_t r = qr0; r <= qr1; ++r) {
      for (int64_t c = qc0; c <= qc1; ++c) {
        size_t cell = static_cast<size_t>(r * m_cols + c);
        for (uint32_t k = m_cellStart[cell]; k < m_cellStart[cell + 1]; ++k) {
          const Slot& s = m_slots[m_cellEntries[k]];
          if (!meets(s, minX, minY, maxX, maxY)) continue;
          // An entity in several cells is reported from the first cell the query and it share.
          int64_t sc, sr;
          cellOf(s.minX, s.minY, sc, sr);
          if (std::max(sc, qc0) != c || std::max(sr, qr0) != r) continue;
          keep(s);
        }
      }
    }
  }
  for (uint32_t i : m_large)
    if (meets(m_slots[i], minX, minY, maxX, maxY)) keep(m_slots[i]);
  for (const auto& [stub, e] : m_changed)
    if (e.min.x <= maxX && e.max.x >= minX && e.min.y <= maxY && e.max.y >= minY) out.push_back(stub);
}

PickIndex& pickIndex(DatabaseImpl& db) {
  static auto* indexes = new std::unordered_map<uint64_t, std::unique_ptr<PickIndex>>();
  for (auto it = indexes->begin(); it != indexes->end();) {
    if (it->first != db.serial() && databaseBySerial(it->first) == nullptr) it = indexes->erase(it);
    else ++it;
  }
  std::unique_ptr<PickIndex>& index = (*indexes)[db.serial()];
  if (!index) index = std::make_unique<PickIndex>();
  index->refresh(db);
  return *index;
}

}  // namespace acadsim::selection
