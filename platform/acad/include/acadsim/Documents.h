// The host's side of documents: opening, creating and closing drawings (host-internal, not an ObjectARX name).
#pragma once
#include <acdocman.h>

#include <string>

#include "LispFunctions.h"

namespace acadsim {

// Opens the DXF drawing at path (UTF-8 at the file edge) as a new document and makes it current and active:
// its database becomes the working database, DWGPREFIX is its folder with a trailing "/" and DWGNAME its
// file name, and every loaded module gets kLoadDwgMsg while it is current. Null when the file cannot be
// read; error then holds the reason as the host prints it ("FILE:LINE: reason").
AcApDocument* OpenDocument(const std::u16string& path, std::u16string& error);
// A new drawing without a file, named "DrawingN.dwg" (N counts the session's new drawings from 1), holding
// what acad.dwt holds (imperial); otherwise as OpenDocument. DWGPREFIX is the current folder.
AcApDocument* NewDocument();
// Sends kUnloadDwgMsg to every loaded module while the document is current, tells the reactors and
// deletes it; the document opened before it (or after, when none) becomes current. False for a document
// that is not open.
bool CloseDocument(AcApDocument* doc);
// At host exit: closes every document, newest first; the next new drawing is "Drawing1.dwg" again.
void CloseAllDocuments();

// The AutoLISP functions that modules defined in doc with acedDefun; null for a document that is not open.
const LispFunctionTable* DocumentLispFunctions(const AcApDocument* doc);

}  // namespace acadsim
