// Holders that give back what the host lends for one use: returned strings, result chains, open objects.
#pragma once
#include <acutads.h>
#include <dbmain.h>

#include <memory>
#include <string_view>

// A string the host allocated for the caller.
class HostString {
 public:
  explicit HostString(ACHAR* text) : m_text(text) {}
  ~HostString() {
    if (m_text != nullptr) acutDelBuffer(m_text);
  }
  HostString(const HostString&) = delete;
  HostString& operator=(const HostString&) = delete;

  const ACHAR* c_str() const { return m_text != nullptr ? m_text : u""; }
  std::u16string_view view() const { return c_str(); }

 private:
  ACHAR* m_text;
};

struct ResultChainRelease {
  void operator()(resbuf* chain) const { acutRelRb(chain); }
};
// A result-buffer chain the host allocated for the caller.
using ResultChain = std::unique_ptr<resbuf, ResultChainRelease>;

// An object open for read, closed when the holder goes.
template <class T>
class ReadObject {
 public:
  explicit ReadObject(AcDbObjectId id) {
    if (acdbOpenObject(m_object, id, AcDb::kForRead) != Acad::eOk) m_object = nullptr;
  }
  explicit ReadObject(T* opened) : m_object(opened) {}
  ~ReadObject() {
    if (m_object != nullptr) m_object->close();
  }
  ReadObject(const ReadObject&) = delete;
  ReadObject& operator=(const ReadObject&) = delete;

  explicit operator bool() const { return m_object != nullptr; }
  T* operator->() const { return m_object; }
  T* get() const { return m_object; }

 private:
  T* m_object = nullptr;
};
