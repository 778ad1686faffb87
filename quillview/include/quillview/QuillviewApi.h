// What quillview.arx offers other applications in the host process: the description of an entity.
#pragma once
#include <windef.h>

class AcDbEntity;

#define QUILLVIEW_EXPORT extern "C" __attribute__((visibility("default")))

// Describes an entity exactly as the scope window shows it for a direct (not nested) pick.
//   entity       open for read by the caller; it stays open.
//   gsMarker     the graphics-system marker of the picked subentity, or -1 when none is known.
//   buffer       receives the text; at most bufferChars - 1 characters and a terminating null, never a
//                split surrogate pair. May be null when bufferChars is 0, to ask for the length alone.
// Returns the full length of the text in characters without the terminator (retry with a buffer of
// length + 1 when it did not fit), or -1 when the module is not initialised, the entity is null,
// bufferChars is negative, buffer is null while bufferChars is positive, or the text cannot be built.
QUILLVIEW_EXPORT int QuillviewDescribeEntity(AcDbEntity* entity, int gsMarker, WCHAR* buffer, int bufferChars);

// Its type and export name, for callers that find it with GetProcAddress or the dynamic linker.
typedef int (*QuillviewDescribeEntityFn)(AcDbEntity* entity, int gsMarker, WCHAR* buffer, int bufferChars);
#define QUILLVIEW_DESCRIBE_ENTITY_EXPORT "QuillviewDescribeEntity"

// Registers and unregisters the module's automation server with COM (also for outside registration tools).
QUILLVIEW_EXPORT HRESULT DllRegisterServer();
QUILLVIEW_EXPORT HRESULT DllUnregisterServer();
