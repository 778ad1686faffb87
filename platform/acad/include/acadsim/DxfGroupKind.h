// Value type of a DXF group, decided by its group code as the DXF reference assigns the ranges.
#pragma once
#include <cstdint>

namespace acadsim {

enum class DxfGroupKind : uint8_t {
  String,  // text, names, and hexadecimal handles
  Real,    // double; codes 10-18 and similar are the X of a point
  Int16,
  Int32,
  Int64,
  Bool,    // one byte in binary DXF
  Binary,  // hexadecimal chunk in ASCII DXF, length-prefixed bytes in binary DXF
};

constexpr DxfGroupKind dxfGroupKind(int code) {
  if (code < 0) return DxfGroupKind::String;  // -1..-5 occur only in entget chains
  if (code <= 9) return DxfGroupKind::String;
  if (code <= 59) return DxfGroupKind::Real;
  if (code <= 79) return DxfGroupKind::Int16;
  if (code <= 89) return DxfGroupKind::Int16;  // unassigned; treated as 16-bit like their neighbours
  if (code <= 99) return DxfGroupKind::Int32;
  if (code <= 109) return DxfGroupKind::String;  // 100 subclass, 102 control, 105 handle
  if (code <= 149) return DxfGroupKind::Real;
  if (code <= 159) return DxfGroupKind::Real;
  if (code <= 169) return DxfGroupKind::Int64;
  if (code <= 179) return DxfGroupKind::Int16;
  if (code <= 209) return DxfGroupKind::Real;
  if (code <= 239) return DxfGroupKind::Real;
  if (code <= 269) return DxfGroupKind::String;
  if (code <= 289) return DxfGroupKind::Int16;
  if (code <= 299) return DxfGroupKind::Bool;
  if (code <= 309) return DxfGroupKind::String;
  if (code <= 319) return DxfGroupKind::Binary;
  if (code <= 369) return DxfGroupKind::String;  // handles
  if (code <= 389) return DxfGroupKind::Int16;
  if (code <= 399) return DxfGroupKind::String;  // handles
  if (code <= 409) return DxfGroupKind::Int16;
  if (code <= 419) return DxfGroupKind::String;
  if (code <= 429) return DxfGroupKind::Int32;
  if (code <= 439) return DxfGroupKind::String;
  if (code <= 459) return DxfGroupKind::Int32;
  if (code <= 469) return DxfGroupKind::Real;
  if (code <= 481) return DxfGroupKind::String;
  if (code <= 998) return DxfGroupKind::String;
  if (code == 999) return DxfGroupKind::String;
  if (code == 1004) return DxfGroupKind::Binary;
  if (code <= 1009) return DxfGroupKind::String;
  if (code <= 1059) return DxfGroupKind::Real;
  if (code <= 1070) return DxfGroupKind::Int16;
  if (code == 1071) return DxfGroupKind::Int32;
  return DxfGroupKind::String;
}

// X coordinate codes that start a point together with code+10 (Y) and code+20 (Z).
constexpr bool dxfIsPointX(int code) {
  return (code >= 10 && code <= 18) || (code >= 110 && code <= 112) || (code >= 210 && code <= 219) ||
         (code >= 1010 && code <= 1013);
}

}  // namespace acadsim
