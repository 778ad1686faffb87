// The system variables the host knows, typed as AutoCAD types them, with their acad.dwt (imperial) defaults.
#pragma once
#include <cstdint>
#include <string_view>

namespace acadsim {

struct DatabaseImpl;

enum class SysVarType : uint8_t { Short, Real, Point2d, Point3d, String };

struct SysVarDefinition {
  const char* name;  // upper case, without the header's "$"
  SysVarType type;
  bool readOnly;
  bool inDrawing;    // kept in the drawing's header as $NAME; otherwise a session (registry) variable
  double number;     // default of Short and Real
  double point[3];   // default of points
  const char16_t* text;  // default of String
};

// The definition of a variable, found without regard to case; null for a variable the host does not know.
const SysVarDefinition* findSystemVariable(std::u16string_view name);

// A drawing's 16-bit or real header variable, or the acad.dwt default when the drawing does not set it.
int headerIntOrDefault(const DatabaseImpl& db, const char* name);
double headerRealOrDefault(const DatabaseImpl& db, const char* name);

}  // namespace acadsim
