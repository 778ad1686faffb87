// AcDbDxfFiler: hands an object its DXF groups one at a time while it reads itself (dxfInFields).
#pragma once
#include <string_view>

#include "AdAChar.h"
#include "acadstrc.h"
#include "acdb.h"
#include "adsdef.h"
#include "rxboiler.h"
#include "rxobject.h"

class AcDbDatabase;

namespace acadsim {
// One group as the host's filer hands it out; the string stays valid until the next read.
struct DxfGroupView {
  int code = 0;
  enum class Type { String, Real, Integer, Point, Binary } type = Type::String;
  std::string_view text;  // UTF-8 for strings, raw bytes for binary chunks
  double real = 0.0;
  long long integer = 0;
  double point[3] = {0, 0, 0};
};
}  // namespace acadsim

class AcDbDxfFiler : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDxfFiler);

  virtual Acad::ErrorStatus filerStatus() const = 0;
  virtual AcDb::FilerType filerType() const { return AcDb::kFileFiler; }
  virtual AcDbDatabase* database() const = 0;

  // The next group as a result buffer: restype the group code; a string or binary chunk stays the filer's
  // and is valid until the next read (copy it to keep it); points fill rpoint. eEndOfFile after the last group.
  virtual Acad::ErrorStatus readResBuf(resbuf* pRb) = 0;
  Acad::ErrorStatus readItem(resbuf* pItem) { return readResBuf(pItem); }
  // Makes the group last read the next one again (one step).
  virtual void pushBackItem() = 0;
  // True when the object's groups (before its extended data) are used up.
  virtual bool atEOF() = 0;
  // True, consuming the marker, when the next group is 100 with this subclass name.
  virtual bool atSubclassData(const ACHAR* subClassName) = 0;
  virtual bool atExtendedData() = 0;
  // Records why the object could not be read; the reader reports it with the object's position.
  virtual Acad::ErrorStatus setError(Acad::ErrorStatus es, const ACHAR* message) = 0;

  // Host: the next group without allocating; false at the end.
  virtual bool readGroup(acadsim::DxfGroupView& group) = 0;
  // Host: AcDbObject and AcDbEntity mark where their common groups end; what follows is kept for acdbEntGet.
  virtual void markSubclassDataStart() {}

 protected:
  AcDbDxfFiler() = default;
};
