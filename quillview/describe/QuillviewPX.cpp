#include "describe/QuillviewPX.h"

#include <rxregsvc.h>

#include "describe/HostClass.h"

namespace {

constexpr const ACHAR* kClassName = ACRX_T("QuillviewPX");
AcRxClass* g_class = nullptr;

}  // namespace

AcRxClass* QuillviewPX::desc() {
  if (g_class == nullptr) g_class = FindHostClass(kClassName);
  return g_class;
}

QuillviewPX* QuillviewPX::cast(const AcRxObject* inPtr) {
  AcRxClass* cls = desc();
  return (inPtr == nullptr || cls == nullptr || !inPtr->isKindOf(cls))
             ? nullptr
             : static_cast<QuillviewPX*>(const_cast<AcRxObject*>(inPtr));
}

AcRxClass* QuillviewPX::isA() const { return desc(); }

void QuillviewPX::rxInit() {
  // A class of this name that is not the one this module made would be deleted by two owners.
  if (AcRxClass* registered = FindHostClass(kClassName)) {
    if (registered != g_class) acrx_abort(ACRX_T("Class mismatch"));
    return;
  }
  g_class = newAcRxClass(kClassName, ACRX_T("AcRxDLinkerReactor"), 0, nullptr, nullptr, nullptr);
}

void QuillviewPX::rxUninit() {
  if (g_class == nullptr) return;
  deleteAcRxClass(g_class);
  g_class = nullptr;
}

QuillviewPX::QuillviewPX(const ACHAR* className, DescribeFn describe) : QuillviewPX(className, describe, nullptr) {}

QuillviewPX::QuillviewPX(const ACHAR* className, CExtenderBridge* bridge) : QuillviewPX(className, nullptr, bridge) {}

QuillviewPX::QuillviewPX(const ACHAR* className, DescribeFn describe, CExtenderBridge* bridge)
    : m_className(className != nullptr ? className : ACRX_T("")), m_describe(describe), m_bridge(bridge) {
  if (AcRxDynamicLinker* linker = acrxDynamicLinker) linker->addReactor(this);
  Bind();
}

QuillviewPX::~QuillviewPX() {
  Unbind();
  if (AcRxDynamicLinker* linker = acrxDynamicLinker) linker->removeReactor(this);
}

void QuillviewPX::rxAppLoaded(const ACHAR* moduleName) {
  if (m_class == nullptr) Bind();
}

void QuillviewPX::rxAppWillBeUnloaded(const ACHAR* moduleName) { Unbind(); }

void QuillviewPX::rxAppUnloaded(const ACHAR* moduleName) {
  if (m_class == nullptr) Bind();
}

void QuillviewPX::rxAppUnloadAborted(const ACHAR* moduleName) {
  if (m_class == nullptr) Bind();
}

void QuillviewPX::Describe(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  if (m_next != nullptr) m_next->Describe(text, entity, gsMarker);
  if (m_describe != nullptr) {
    m_describe(text, entity, gsMarker);
  } else if (m_bridge != nullptr) {
    m_bridge->Describe(text, entity, gsMarker);
  }
}

void QuillviewPX::Bind() {
  AcRxClass* protocol = desc();
  m_class = protocol == nullptr ? nullptr : FindHostClass(m_className.c_str());
  if (m_class == nullptr) return;
  QuillviewPX* previous = cast(m_class->addX(protocol, this));
  if (previous != nullptr && previous->m_class == m_class) {
    m_next = previous;
    previous->m_prev = this;
  } else {
    m_next = nullptr;  // a displaced foreign extension is not called again
  }
}

void QuillviewPX::Unbind() {
  if (m_class == nullptr) return;
  // Only a class the host still holds is touched, and only while this object is the one registered on it.
  bool registered = FindHostClass(m_className.c_str()) == m_class && m_class->getX(desc()) == this;
  if (m_prev != nullptr) {
    m_prev->m_next = m_next;
    if (m_next != nullptr) m_next->m_prev = m_prev;
  } else if (m_next != nullptr) {
    if (registered) m_class->addX(desc(), m_next);
    m_next->m_prev = nullptr;
  } else if (registered) {
    m_class->delX(desc());
  }
  m_class = nullptr;
  m_prev = nullptr;
  m_next = nullptr;
}
