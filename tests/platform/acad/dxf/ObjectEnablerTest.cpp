// Demand loading of the architectural text-note enabler and what its class reads from DXF.
#include <acadsim/DxfReader.h>
#include <acadsim/ObjectEnablers.h>
#include <acutads.h>
#include <dbdict.h>
#include <gtest/gtest.h>
#include <rxdlinkr.h>
#include <rxregsvc.h>

#include <string>

#include "../db/DbTestDrawing.h"

namespace {

AcRxClass* noteClass() { return AcRxClass::cast(acrxClassDictionary->at(u"AecDbTextNote")); }

TEST(ObjectEnabler, LoadsTheTextNoteClassOnDemandAndStaysLoaded) {
  EXPECT_TRUE(acadsim::demandLoadObjectEnabler(u"AecDbTextNote"));
  AcRxClass* cls = noteClass();
  ASSERT_NE(cls, nullptr);
  EXPECT_EQ(std::u16string(cls->dxfName()), u"AEC_TEXT_NOTE");
  EXPECT_EQ(cls->myParent(), AcDbObject::desc());
  EXPECT_TRUE(acrxDynamicLinker->isModuleLoaded(u"AecTextNote.dbx"));
  // Objects of its class may live in any drawing, so the enabler refuses to be unloaded.
  EXPECT_FALSE(acrxDynamicLinker->unloadModule(u"AecTextNote.dbx"));
  EXPECT_NE(noteClass(), nullptr);
}

TEST(ObjectEnabler, KnowsNoEnablerForOtherClasses) {
  EXPECT_FALSE(acadsim::demandLoadObjectEnabler(u"AecDbWallStyleUnknown"));
  EXPECT_TRUE(acadsim::demandLoadObjectEnabler(u"AcDbLine"));  // defined already
}

TEST(ObjectEnabler, TextNoteReadsItsNoteFromTheFirstGroupOneOrThree) {
  std::string text = dbtest::dxfText({
      {0, "SECTION"}, {2, "CLASSES"}, {0, "CLASS"}, {1, "AEC_TEXT_NOTE"}, {2, "AecDbTextNote"},
      {3, "AecArchBase"}, {90, "1"}, {281, "0"}, {0, "ENDSEC"},
      {0, "SECTION"}, {2, "OBJECTS"}, {0, "DICTIONARY"}, {5, "C"}, {100, "AcDbDictionary"}, {3, "NOTE"},
      {350, "41"}, {0, "AEC_TEXT_NOTE"}, {5, "41"}, {330, "C"}, {1, "before the marker"},
      {100, "AecDbTextNote"}, {3, "first\\U+000Asecond"}, {1, "later"}, {0, "ENDSEC"}, {0, "EOF"}});
  auto db = dbtest::readDrawing(text);
  AcDbDictionary* nod = nullptr;
  db->getNamedObjectsDictionary(nod);
  AcDbObject* note = nullptr;
  ASSERT_EQ(nod->getAt(u"NOTE", note, AcDb::kForRead), Acad::eOk);
  nod->close();
  ASSERT_TRUE(note->isKindOf(noteClass()));
  // The class is the enabler's own; read its DXF data back as the module does.
  ads_name name;
  acdbGetAdsName(name, note->objectId());
  note->close();
  resbuf* chain = acdbEntGet(name);
  std::u16string found;
  bool after = false;
  for (resbuf* rb = chain; rb; rb = rb->rbnext) {
    if (rb->restype == 100 && std::u16string(rb->resval.rstring) == u"AecDbTextNote") after = true;
    if (after && found.empty() && (rb->restype == 1 || rb->restype == 3)) found = rb->resval.rstring;
  }
  acutRelRb(chain);
  EXPECT_EQ(found, u"first\nsecond");
}

}  // namespace
