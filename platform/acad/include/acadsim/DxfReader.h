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

// Reads a whole drawing, replacing what the database held. On failure the database is left empty (nothing of
// the file is kept) and err says where and why. The host's reading rules:
// - objects without a handle, with an empty or non-hexadecimal one, or with one an earlier object took, get
//   fresh handles after the whole file is read, above every handle it uses and its $HANDSEED;
// - a layer an entity names but the LAYER table lacks is made (colour 7, Continuous), as AutoCAD does; a
//   missing linetype reads as ByLayer; a missing BLOCK_RECORD is made from its BLOCK (R12 files have none);
// - a type no loaded class defines becomes a proxy keeping its type name and groups; classes the CLASSES
//   section names load their object enabler first (acadsim/ObjectEnablers.h);
// - VERTEX, ATTRIB and SEQEND belong to the POLYLINE or INSERT before them; the columns and frames an R2000
//   MTEXT lists in its ACAD extended data become parts of it, as AutoCAD reads them;
// - comments (999), unknown sections and whatever follows EOF are skipped; applications' own 102 groups
//   are not kept.
bool readDxf(const std::string& path, AcDbDatabase& db, DxfError& err);
bool readDxfFromMemory(const char* data, size_t size, AcDbDatabase& db, DxfError& err);

}  // namespace acadsim
