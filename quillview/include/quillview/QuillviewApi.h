// What quillview.arx offers other applications in the host process: the description of an entity.
#pragma once
#include <windef.h>
#include <wingdi.h>

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

// Renders markup exactly as the scope window shows it, for previews of descriptions and extender texts.
//   markup       the text, in the markup the scope window accepts.
//   font         the scope's font, applied as the scope applies it; null: the settings' default font.
//   styleSheet   a style sheet handed to the renderer after the font; may be null.
//   maxWidth     the renderer's maximum width for word wrap, 0 for none (the scope window itself sets none).
//   measured     receives the size the renderer measured (0 by 0 for a text without visible content).
// Returns a 32-bit bitmap of the whole window, measured size + 4 in each direction, with its one-pixel
// border and tooltip background; the caller deletes it with DeleteObject. Null when markup or measured is
// null, maxWidth is negative, or the bitmap cannot be made.
QUILLVIEW_EXPORT HBITMAP QuillviewRenderScope(const WCHAR* markup, const LOGFONTW* font, const WCHAR* styleSheet,
                                              int maxWidth, SIZE* measured);

typedef HBITMAP (*QuillviewRenderScopeFn)(const WCHAR* markup, const LOGFONTW* font, const WCHAR* styleSheet,
                                          int maxWidth, SIZE* measured);
#define QUILLVIEW_RENDER_SCOPE_EXPORT "QuillviewRenderScope"

// Registers and unregisters the module's automation server with COM (also for outside registration tools).
QUILLVIEW_EXPORT HRESULT DllRegisterServer();
QUILLVIEW_EXPORT HRESULT DllUnregisterServer();
