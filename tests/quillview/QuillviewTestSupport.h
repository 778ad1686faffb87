// Shared pieces of the module's tests: the module's strings, test host classes and entities of them.
#pragma once
#include <acedads.h>
#include <dbapserv.h>
#include <dbents.h>
#include <dbmain.h>
#include <dbsymtb.h>
#include <qvwide.h>
#include <rxregsvc.h>

#include <gtest/gtest.h>

#include <string>

#include "describe/QuillviewPX.h"

// The file of the module as built beside the tests.
std::u16string ModulePath(const char* fileName);

// A host class made for one test and removed after it.
class ScopedHostClass {
 public:
  ScopedHostClass(const ACHAR* name, const ACHAR* parentName);
  ~ScopedHostClass();
  ScopedHostClass(const ScopedHostClass&) = delete;
  ScopedHostClass& operator=(const ScopedHostClass&) = delete;
  AcRxClass* get() const { return m_class; }

 private:
  AcRxClass* m_class;
};

// An entity outside any database whose run-time class is a test class.
class TestShape : public AcDbEntity {
 public:
  explicit TestShape(AcRxClass* cls) : m_class(cls) {}
  AcRxClass* isA() const override { return m_class; }

 private:
  AcRxClass* m_class;
};

// The QuillviewPX class registered as the module has it while loaded; declared before the describers
// of a fixture, it outlives them as the class outlives the module's describers.
struct ScopedQuillviewPXClass {
  ScopedQuillviewPXClass() { QuillviewPX::rxInit(); }
  ~ScopedQuillviewPXClass() { QuillviewPX::rxUninit(); }
};

class QuillviewPXTest : public ::testing::Test {
 protected:
  ScopedQuillviewPXClass pxClass;
};

// The describer registered on a class or its nearest ancestor, or null.
QuillviewPX* DescriberOf(AcRxClass* cls);

// A new drawing of its own, the working database while the test runs, with helpers to fill it.
class DrawingTest : public ::testing::Test {
 protected:
  DrawingTest();
  ~DrawingTest() override;

  AcDbObjectId AddLayer(const ACHAR* name, const AcCmColor& color);
  AcDbObjectId AddLinetype(const ACHAR* name);
  // A new entity put into model space; prepare runs while it is open for write there.
  template <class Prepare>
  AcDbObjectId AddEntity(AcDbEntity* entity, Prepare prepare);
  template <class Prepare>
  AcDbObjectId AddLine(Prepare prepare) {
    return AddEntity(new AcDbLine(), prepare);
  }
  // A line carrying the extended data (freed here); its applications are registered first.
  AcDbObjectId LineWithExtendedData(resbuf* data);
  void SetShortVariable(const ACHAR* name, short value);
  void SetRealVariable(const ACHAR* name, double value);

  AcDbDatabase db{true};

 private:
  AcDbObjectId AppendToModelSpace(AcDbEntity* entity);
  AcDbDatabase* m_previousDatabase;
};

template <class Prepare>
AcDbObjectId DrawingTest::AddEntity(AcDbEntity* entity, Prepare prepare) {
  AcDbObjectId id = AppendToModelSpace(entity);
  prepare(entity);
  entity->close();
  return id;
}

AcCmColor IndexColor(Adesk::UInt16 index);
