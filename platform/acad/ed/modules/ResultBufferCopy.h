// Deep copies of result buffers, for values the host keeps beyond its caller's buffers.
#pragma once
#include <adsdef.h>

namespace acadsim {

// A copy of rb alone (its strings and binary chunks too), without what follows it; null for null.
resbuf* CopyResbuf(const resbuf* rb);
// A copy of the whole chain from rb on.
resbuf* CopyResbufChain(const resbuf* rb);

}  // namespace acadsim
