#include <dbid.h>

#include "DatabaseImpl.h"

const AcDbObjectId AcDbObjectId::kNull;

bool AcDbObjectId::isValid() const { return mId != nullptr && mId->object != nullptr; }

bool AcDbObjectId::isErased() const { return isValid() && mId->object->isErased(); }

AcDbDatabase* AcDbObjectId::database() const { return mId == nullptr ? nullptr : mId->db->owner; }

AcDbHandle AcDbObjectId::handle() const { return mId == nullptr ? AcDbHandle() : AcDbHandle(mId->handle); }
