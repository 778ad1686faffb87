// Which member of a result buffer's value a type code uses, as AutoCAD lays out resbuf values.
#pragma once

namespace acadsim::ut {

enum class ValueKind { None, Real, Point, Short, Long, Int64, String, Name, Binary, Unknown };

// RT* codes and DXF group codes alike; Unknown for a code that has no value layout.
ValueKind KindOfType(int restype);

}  // namespace acadsim::ut
