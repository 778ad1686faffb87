// Between stored DXF groups and result buffers, laid out as AutoCAD's entget and xData give them.
#pragma once
#include <cstdint>
#include <string_view>

#include <acadsim/DxfData.h>
#include <adsdef.h>

class AcDbStub;

namespace acadsim {

struct DatabaseImpl;

// Hexadecimal handle text; 0 for text that is not a handle (empty, too long, not hex).
uint64_t parseHandle(std::string_view text);

// One result buffer for group i (null for a code with no resbuf layout). With db, handles that name objects
// become entity names (a handle naming nothing gives a null name); without it they stay text.
resbuf* groupToResbuf(const DxfData& data, size_t i, const DatabaseImpl* db);
// Appends a chain [first, last) of groups to the end of *tail and moves tail on.
void appendGroupsAsResbufs(const DxfData& data, size_t first, size_t last, const DatabaseImpl* db, resbuf**& tail);
// Stores one result buffer as a group (the reverse of groupToResbuf).
void appendResbufGroup(const resbuf& rb, DxfData& data);

// Fills an entity name for a stub.
void setEntityName(int64_t name[2], const AcDbStub* stub);

}  // namespace acadsim
