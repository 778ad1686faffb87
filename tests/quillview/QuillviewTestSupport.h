// Shared pieces of the module's tests: test host classes and entities, a drawing, the module's files.
#pragma once
#include <acedads.h>
#include <dbapserv.h>
#include <dbents.h>
#include <dbsymtb.h>
#include <qvwide.h>
#include <rxregsvc.h>

#include <gtest/gtest.h>

#include <string>

#include "describe/ExtenderBridge.h"
#include "describe/QuillviewPX.h"

// A file built beside the tests.
std::u16string ModulePath(const char* fileName);

// A host class made for one test and removed after it.
class ScopedHostClass {
 public:
  ScopedHostClass(const ACHAR* name, const ACHAR* parentName) : m_class(newAcRxClass(name, parentName)) {}
  ~ScopedHostClass() { deleteAcRxClass(m_class); }
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

// The body the dispatcher writes for a test shape of that class.
std::u16string DescribeAs(AcRxClass* cls);
// The describer registered on a class or its nearest ancestor, or null.
QuillviewPX* DescriberOf(AcRxClass* cls);

// Stands in for an automation extender: adds its name to the body and keeps the marker it was given.
class TestBridge : public CExtenderBridge {
 public:
  explicit TestBridge(std::u16string name) : m_name(std::move(name)) {}
  void Describe(ScopeText& text, AcDbEntity*, int gsMarker) override {
    text.Body += m_name;
    lastMarker = gsMarker;
  }
  int lastMarker = 0;

 private:
  std::u16string m_name;
};

// The QuillviewPX class registered as the module has it while loaded; declared before a fixture's
// describers, it outlives them as the class outlives the module's describers.
struct ScopedQuillviewPXClass {
  ScopedQuillviewPXClass() { QuillviewPX::rxInit(); }
  ~ScopedQuillviewPXClass() { QuillviewPX::rxUninit(); }
};

class QuillviewPXTest : public ::testing::Test {
 protected:
  ScopedQuillviewPXClass pxClass;
};

// A new drawing of its own, the working database while the test runs, with helpers to fill it.
class DrawingTest : public ::testing::Test {
 protected:
  DrawingTest() : m_previous(acdbHostApplicationServices()->workingDatabase()) {
    acdbHostApplicationServices()->setWorkingDatabase(&db);
  }
  ~DrawingTest() override { acdbHostApplicationServices()->setWorkingDatabase(m_previous); }

  AcDbObjectId AddLayer(const ACHAR* name, Adesk::UInt16 colorIndex);
  void AddLinetype(const ACHAR* name);
  // A new entity put into model space; prepare runs while it is open for write there.
  template <class Prepare>
  AcDbObjectId AddEntity(AcDbEntity* entity, Prepare prepare) {
    AcDbObjectId id = AppendToModelSpace(entity);
    prepare(entity);
    entity->close();
    return id;
  }
  template <class Prepare>
  AcDbObjectId AddLine(Prepare prepare) {
    return AddEntity(new AcDbLine(), prepare);
  }
  // A line carrying the extended data (freed here); its applications are registered first.
  AcDbObjectId LineWithExtendedData(resbuf* data);

  AcDbDatabase db{true};

 private:
  AcDbObjectId AppendToModelSpace(AcDbEntity* entity);
  AcDbDatabase* m_previous;
};

AcCmColor IndexColor(Adesk::UInt16 index);
// Sets a system variable of the working database, failing the test when the host refuses.
void SetVariable(const ACHAR* name, short value);
void SetVariable(const ACHAR* name, double value);
