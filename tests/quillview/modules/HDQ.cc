// A stand-in for the sibling library HDQ.dll of other hosts: it records each call of Install for the tests, and
// appends it to the file $HDQ_INSTALL_LOG names so that sessions in other processes can be checked too.
#include <qvwide.h>
#include <windef.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

struct InstallCall {
  int count = 0;
  int code = 0;
  std::u16string productKey;
  int third = 0;
  int fourth = 0;
};

InstallCall g_calls;

}  // namespace

extern "C" __attribute__((visibility("default"))) int Install(int code, const WCHAR* productKey, int third,
                                                              int fourth) {
  ++g_calls.count;
  g_calls.code = code;
  g_calls.productKey = productKey != nullptr ? productKey : u"<null>";
  g_calls.third = third;
  g_calls.fourth = fourth;
  if (const char* log = std::getenv("HDQ_INSTALL_LOG")) {
    std::ofstream(log, std::ios::app) << "Install(" << code << ", " << WideToUtf8(g_calls.productKey) << ", " << third
                                      << ", " << fourth << ")\n";
  }
  return 0;
}

// The number of calls so far; the arguments of the last one through the pointers.
extern "C" __attribute__((visibility("default"))) int HdqLastInstall(int* code, const WCHAR** productKey, int* third,
                                                                     int* fourth) {
  *code = g_calls.code;
  *productKey = g_calls.productKey.c_str();
  *third = g_calls.third;
  *fourth = g_calls.fourth;
  return g_calls.count;
}
