#include <acadsim/DrawingQueries.h>
#include <acutads.h>
#include <dbdict.h>
#include <dblayout.h>
#include <dbsymtb.h>
#include <qvwide.h>

#include "DatabaseImpl.h"
#include "DxfResbuf.h"

namespace {

struct ChainBuilder {
  resbuf* head = nullptr;
  resbuf** tail = &head;

  resbuf* add(int type) {
    resbuf* rb = acutNewRb(type);
    *tail = rb;
    tail = &rb->rbnext;
    return rb;
  }
  void addString(int type, std::u16string_view text) {
    add(type)->resval.rstring = acadsim::newHostString(text);
  }
  void addName(int type, AcDbObjectId id) {
    ads_name name;
    acdbGetAdsName(name, id);
    resbuf* rb = add(type);
    rb->resval.rlname[0] = name[0];
    rb->resval.rlname[1] = name[1];
  }
  void addShort(int type, int value) { add(type)->resval.rint = static_cast<short>(value); }
  void addLong(int type, int32_t value) { add(type)->resval.rlong = value; }
  void addReal(int type, double value) { add(type)->resval.rreal = value; }
};

std::u16string hostString(ACHAR* s) {
  std::u16string out = s ? s : u"";
  delete[] s;
  return out;
}

std::u16string handleText(AcDbObjectId id) {
  ACHAR buffer[17];
  id.handle().getIntoAsciiBuffer(buffer, 17);
  return buffer;
}

std::u16string layoutNameOf(AcDbObjectId blockId) {
  auto* block = acadsim::peek<AcDbBlockTableRecord>(blockId);
  auto* layout = block ? acadsim::peek<AcDbLayout>(block->getLayoutId()) : nullptr;
  const ACHAR* name = nullptr;
  if (layout != nullptr) layout->getLayoutName(name);
  return name ? name : u"";
}

void addObjectGroups(ChainBuilder& chain, const AcDbObject& obj) {
  if (!obj.persistentReactors().empty()) {
    chain.addString(102, u"{ACAD_REACTORS");
    for (AcDbObjectId id : obj.persistentReactors()) chain.addName(330, id);
    chain.addString(102, u"}");
  }
  if (!obj.extensionDictionary().isNull()) {
    chain.addString(102, u"{ACAD_XDICTIONARY");
    chain.addName(360, obj.extensionDictionary());
    chain.addString(102, u"}");
  }
}

void addEntityGroups(ChainBuilder& chain, const AcDbEntity& ent) {
  chain.addString(100, u"AcDbEntity");
  if (ent.inPaperSpace()) chain.addShort(67, 1);
  std::u16string layout = layoutNameOf(ent.ownerId());
  if (!layout.empty()) chain.addString(410, layout);
  chain.addString(8, hostString(ent.layer()));
  std::u16string linetype = hostString(ent.linetype());
  if (!acadsim::equalNoCase(linetype, u"BYLAYER")) chain.addString(6, linetype);
  if (!ent.materialId().isNull()) chain.addName(347, ent.materialId());
  AcCmColor color = ent.color();
  if (!color.isByLayer()) chain.addShort(62, color.colorIndex());
  if (color.isByColor()) {
    chain.addLong(420, static_cast<int32_t>((color.red() << 16) | (color.green() << 8) | color.blue()));
    if (color.colorName() != nullptr) {
      std::u16string name = color.bookName() ? std::u16string(color.bookName()) + u"$" : u"";
      chain.addString(430, name + color.colorName());
    }
  }
  if (ent.lineWeight() != AcDb::kLnWtByLayer) chain.addShort(370, ent.lineWeight());
  if (ent.linetypeScale() != 1.0) chain.addReal(48, ent.linetypeScale());
  if (ent.visibility() == AcDb::kInvisible) chain.addShort(60, 1);
  AcDbObjectId plotStyle;
  if (ent.getPlotStyleNameId(plotStyle) == AcDb::kPlotStyleNameById) chain.addName(390, plotStyle);
  int shadowMode = ent.castShadows() ? (ent.receiveShadows() ? 0 : 1) : (ent.receiveShadows() ? 2 : 3);
  if (shadowMode != 0) chain.addShort(284, shadowMode);
}

}  // namespace

// Entities list their owner before their handle, other objects after their handle and reactors, as entget does.
resbuf* acdbEntGet(const ads_name ent) {
  AcDbObjectId id;
  if (acdbGetObjectId(id, ent) != Acad::eOk) return nullptr;
  AcDbStub* stub = id;
  const AcDbObject* obj = stub->object;
  if (obj->isErased()) return nullptr;  // entget of an erased entity gives nil
  const AcDbEntity* entity = AcDbEntity::cast(obj);
  ChainBuilder chain;
  chain.addName(-1, id);
  chain.addString(0, acadsim::dxfTypeName(obj));
  if (entity != nullptr) {
    chain.addName(330, obj->ownerId());
    chain.addString(5, handleText(id));
    addObjectGroups(chain, *obj);
    addEntityGroups(chain, *entity);
  } else {
    chain.addString(5, handleText(id));
    addObjectGroups(chain, *obj);
    chain.addName(330, obj->ownerId());
  }
  const acadsim::DxfData& data = obj->dxfSubclassData();
  acadsim::appendGroupsAsResbufs(data, 0, data.size(), stub->db, chain.tail);
  return chain.head;
}
