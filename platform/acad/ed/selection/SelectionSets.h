// The host's selection sets: the table of live sets behind ads_names, and each drawing's Previous and
// pick-first sets.
#pragma once
#include <adsdef.h>
#include <dbid.h>
#include <gepnt3d.h>

#include <cstdint>
#include <unordered_set>
#include <vector>

namespace acadsim {
struct DatabaseImpl;
}

namespace acadsim::selection {

// How one member came into its set, for acedSSNameX.
struct Selection {
  enum class Method { None = 0, Pick = 1, Window = 2, Crossing = 3 };
  Method method = Method::None;
  int gsMarker = 0;
  AcGePoint3d point;                      // the pick point (WCS)
  std::vector<AcDbObjectId> nestedPath;   // nested pick: the innermost entity, then the references holding it
};

struct Member {
  AcDbObjectId id;
  Selection how;
};

class SelectionSet {
 public:
  const std::vector<Member>& members() const { return m_members; }
  size_t size() const { return m_members.size(); }
  bool contains(AcDbObjectId id) const { return m_ids.count(id) != 0; }
  // False (nothing changes) when the entity is a member already.
  bool add(const Member& member);
  bool remove(AcDbObjectId id);
  std::vector<AcDbObjectId> ids() const;

 private:
  std::vector<Member> m_members;
  std::unordered_set<AcDbStub*> m_ids;
};

// AutoCAD's limit of selection sets that exist at once.
inline constexpr size_t kMaxSelectionSets = 128;

// A new set named in name; false (name zeroed) when kMaxSelectionSets exist already.
bool createSet(SelectionSet contents, ads_name name);
// The set a name names, or null for one that was freed or never made.
SelectionSet* findSet(const ads_name name);
bool freeSet(const ads_name name);
size_t liveSetCount();

// What a drawing's editor keeps of selection: the Previous set and the pick-first set (with whether it
// is gripped, and the set it was given as, so the implied selection can hand that very set back).
struct EditorSelection {
  bool hasPrevious = false;
  std::vector<Member> previous;
  std::vector<AcDbObjectId> pickFirst;
  bool gripped = false;
  int64_t pickFirstSource[2] = {0, 0};
};

// The state of the working database's drawing (made on first use).
EditorSelection& editorSelection(const DatabaseImpl& db);

// Sets ERRNO and gives RTERROR.
int failWith(short errnoValue);

// AutoLISP's ERRNO values used by selection.
inline constexpr short kErrInvalidName = 2;
inline constexpr short kErrTooManySets = 3;
inline constexpr short kErrInvalidSet = 4;
inline constexpr short kErrPickFailed = 7;

}  // namespace acadsim::selection
