#include "ResultBufferTypes.h"
#include <adscodes.h>

namespace acadsim::ut {
namespace {

struct GroupRange {
  int first;
  int last;
  ValueKind kind;
};

// DXF group-code ranges as the DXF reference assigns value types; ids (330-369, 390-399, 480-481)
// are entity names in a resbuf.
constexpr GroupRange kGroupRanges[] = {
    {0, 9, ValueKind::String},       {10, 39, ValueKind::Point},      {40, 59, ValueKind::Real},
    {60, 79, ValueKind::Short},      {90, 99, ValueKind::Long},       {100, 102, ValueKind::String},
    {105, 105, ValueKind::String},   {110, 112, ValueKind::Point},    {113, 149, ValueKind::Real},
    {160, 169, ValueKind::Int64},    {170, 179, ValueKind::Short},    {210, 219, ValueKind::Point},
    {220, 239, ValueKind::Real},     {270, 289, ValueKind::Short},    {290, 299, ValueKind::Short},
    {300, 309, ValueKind::String},   {310, 319, ValueKind::Binary},   {320, 329, ValueKind::String},
    {330, 369, ValueKind::Name},     {370, 389, ValueKind::Short},    {390, 399, ValueKind::Name},
    {400, 409, ValueKind::Short},    {410, 419, ValueKind::String},   {420, 429, ValueKind::Long},
    {430, 439, ValueKind::String},   {440, 459, ValueKind::Long},     {460, 469, ValueKind::Real},
    {470, 479, ValueKind::String},   {480, 481, ValueKind::Name},     {999, 999, ValueKind::String},
    {1000, 1003, ValueKind::String}, {1004, 1004, ValueKind::Binary}, {1005, 1009, ValueKind::String},
    {1010, 1019, ValueKind::Point},  {1020, 1039, ValueKind::Real},   {1040, 1059, ValueKind::Real},
    {1060, 1070, ValueKind::Short},  {1071, 1071, ValueKind::Long},
};

}  // namespace

ValueKind KindOfType(int restype) {
  switch (restype) {
    case RTNONE:
    case RTVOID:
    case RTLB:
    case RTLE:
    case RTDOTE:
    case RTNIL:
    case RTT:
      return ValueKind::None;
    case RTREAL:
    case RTANG:
    case RTORINT:
      return ValueKind::Real;
    case RTPOINT:
    case RT3DPOINT:
      return ValueKind::Point;
    case RTSHORT:
      return ValueKind::Short;
    case RTLONG:
      return ValueKind::Long;
    case RTSTR:
    case RTDXF0:
    case -4:  // a filter list's operator ("<OR")
      return ValueKind::String;
    case RTENAME:
    case RTPICKS:
    case -1:  // the entity's own name in entget lists
    case -2:
      return ValueKind::Name;
    default:
      break;
  }
  for (const GroupRange& range : kGroupRanges) {
    if (restype >= range.first && restype <= range.last) return range.kind;
  }
  return ValueKind::Unknown;
}

}  // namespace acadsim::ut
