// The protocol extension that describes one host class, bound to it by name, in a chain per class.
#pragma once
#include <rxdlinkr.h>

#include <string>

#include "describe/DescribeFn.h"
#include "describe/ExtenderBridge.h"

class QuillviewPX : public AcRxDLinkerReactor {
 public:
  static AcRxClass* desc();
  static QuillviewPX* cast(const AcRxObject* inPtr);
  AcRxClass* isA() const override;
  // Registers the class "QuillviewPX" with the host; a different class of that name aborts the host.
  static void rxInit();
  // Deletes the class made by rxInit.
  static void rxUninit();

  QuillviewPX(const ACHAR* className, DescribeFn describe);
  QuillviewPX(const ACHAR* className, CExtenderBridge* bridge);
  ~QuillviewPX() override;
  QuillviewPX(const QuillviewPX&) = delete;
  QuillviewPX& operator=(const QuillviewPX&) = delete;

  void rxAppLoaded(const ACHAR* moduleName) override;
  // The linker cannot say which classes a module defines, so every unload unbinds and rebinds afterwards.
  void rxAppWillBeUnloaded(const ACHAR* moduleName) override;
  void rxAppUnloaded(const ACHAR* moduleName) override;
  void rxAppUnloadAborted(const ACHAR* moduleName) override;

  // The older registrations on the class write first, this one last.
  virtual void Describe(ScopeText& text, AcDbEntity* entity, int gsMarker);

 private:
  QuillviewPX(const ACHAR* className, DescribeFn describe, CExtenderBridge* bridge);
  void Bind();
  void Unbind();

  std::u16string m_className;
  AcRxClass* m_class = nullptr;
  DescribeFn m_describe = nullptr;
  CExtenderBridge* m_bridge = nullptr;
  QuillviewPX* m_prev = nullptr;
  QuillviewPX* m_next = nullptr;
};
