// AcDbObjectIterator: a cursor over a copied list of ids.
#include <dbmain.h>

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbObjectIterator, AcRxObject);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbObjectIterator);

AcDbObjectIterator::AcDbObjectIterator(std::vector<AcDbObjectId> ids) : mIds(std::move(ids)) { start(); }
AcDbObjectIterator::~AcDbObjectIterator() = default;

bool AcDbObjectIterator::done() const { return mPos < 0 || mPos >= static_cast<long>(mIds.size()); }

void AcDbObjectIterator::start(bool atEnd) {
  mPos = atEnd ? static_cast<long>(mIds.size()) - 1 : 0;
  skipErased(atEnd);
}

void AcDbObjectIterator::step(bool backwards, bool skipDeleted) {
  if (done()) return;
  mPos += backwards ? -1 : 1;
  if (skipDeleted) skipErased(backwards);
}

AcDbObjectId AcDbObjectIterator::objectId() const { return done() ? AcDbObjectId::kNull : mIds[static_cast<size_t>(mPos)]; }

bool AcDbObjectIterator::seek(AcDbObjectId id) {
  for (size_t i = 0; i < mIds.size(); ++i)
    if (mIds[i] == id) {
      mPos = static_cast<long>(i);
      return true;
    }
  return false;
}

void AcDbObjectIterator::skipErased(bool backwards) {
  while (!done() && mIds[static_cast<size_t>(mPos)].isErased()) mPos += backwards ? -1 : 1;
}
