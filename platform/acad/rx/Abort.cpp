#include <rxregsvc.h>
#include <acadsim/CommandLine.h>
#include <qvwide.h>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

void acrx_abort(const ACHAR* format, ...) {
  va_list args;
  va_start(args, format);
  std::u16string message = format ? VFormatW(format, args) : std::u16string();
  va_end(args);
  acadsim::WriteCommandLine(u"\n" + message + u"\n");
  std::fflush(nullptr);
  std::abort();
}
