#include <acadstrc.h>

const ACHAR* acadErrorStatusText(Acad::ErrorStatus es) {
  switch (es) {
#define ACAD_ERROR_STATUS_TEXT(name, value) \
  case Acad::name:                          \
    return u"" #name;
    ACAD_ERROR_STATUS_LIST(ACAD_ERROR_STATUS_TEXT)
#undef ACAD_ERROR_STATUS_TEXT
  }
  return u"Unknown ErrorStatus";
}
