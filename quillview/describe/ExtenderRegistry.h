// The extender bindings, newest first: each joins one bridge to the QuillviewPX made for its class.
#pragma once
#include <AdAChar.h>

#include <forward_list>
#include <memory>

#include "describe/ExtenderBridge.h"
#include "describe/QuillviewPX.h"

class ExtenderRegistry {
 public:
  ExtenderRegistry() = default;
  ~ExtenderRegistry();
  ExtenderRegistry(const ExtenderRegistry&) = delete;
  ExtenderRegistry& operator=(const ExtenderRegistry&) = delete;

  // Replaces any binding of the bridge; false (and unregistered) when the binding cannot be allocated.
  bool Register(CExtenderBridge* bridge, const ACHAR* className);
  // True also when the bridge was not registered.
  bool Unregister(CExtenderBridge* bridge);
  void Clear();

 private:
  struct Record {
    CExtenderBridge* bridge;
    std::unique_ptr<QuillviewPX> extension;
  };
  std::forward_list<Record> m_records;
};
