// The host's DXF reader: fills a database from an ASCII or binary DXF file.
#pragma once
#include <cstddef>
#include <string>

class AcDbDatabase;

namespace acadsim {

// Why a file could not be read, and where: the line of an ASCII file or the byte offset of a binary one.
struct DxfError {
  size_t line = 0;
  size_t byteOffset = 0;
  bool isBinary = false;
  std::string message;
};

// "FILE:LINE: reason" for ASCII, "FILE: byte N: reason" for binary, as the host prints a refusal.
std::string formatDxfError(const std::string& fileName, const DxfError& err);

// Reads a whole drawing into an empty database. On failure the database is left empty and err says why.
bool readDxf(const std::string& path, AcDbDatabase& db, DxfError& err);
bool readDxfFromMemory(const char* data, size_t size, AcDbDatabase& db, DxfError& err);

}  // namespace acadsim
