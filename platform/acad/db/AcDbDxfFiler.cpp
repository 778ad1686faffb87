#include <dbfiler.h>

ACRX_NO_CONS_DEFINE_MEMBERS(AcDbDxfFiler, AcRxObject);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbDxfFiler);
