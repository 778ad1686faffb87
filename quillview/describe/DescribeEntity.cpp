#include "describe/DescribeEntity.h"

#include <dbdict.h>
#include <dbmain.h>
#include <dbsymtb.h>
#include <qvwide.h>
#include <windows.h>

#include "describe/HostClass.h"
#include "describe/HostResources.h"
#include "describe/Names.h"
#include "describe/TextBuilding.h"
#include "host/ModuleStrings.h"

namespace {

constexpr Adesk::UInt16 kIndexByLayer = 256;
constexpr int kTextNoteLines = 6;
constexpr short kExtendedDataString = 1000;
constexpr short kSubclassMarker = 100;
constexpr short kPrimaryText = 1;
constexpr short kAdditionalText = 3;

const ACHAR* S(StringId id) { return ModuleString(id).c_str(); }

std::u16string LinetypeText(const HostString& linetype) {
  if (lstrcmpiW(linetype.c_str(), u"Continuous") == 0) return ModuleString(IDS_LINETYPE_CONTINUOUS);
  if (lstrcmpiW(linetype.c_str(), u"Bylayer") == 0) return ModuleString(IDS_LINETYPE_BYLAYER);
  if (lstrcmpiW(linetype.c_str(), u"Byblock") == 0) return ModuleString(IDS_LINETYPE_BYBLOCK);
  return ShortenName(linetype.view());
}

std::u16string ColorText(const AcDbEntity* entity) {
  AcCmColor color = entity->color();
  if (color.colorIndex() != kIndexByLayer) return ColorName(color);
  std::u16string text = ModuleString(IDS_COLOR_BYLAYER);
  ReadObject<AcDbLayerTableRecord> layer(entity->layerId());
  if (layer) {
    text += ModuleString(IDS_SPACE);
    text += ModuleString(IDS_OPEN_PAREN);
    text += ColorName(layer->color());
    text += ModuleString(IDS_CLOSE_PAREN);
  }
  return text;
}

void AppendHeader(std::u16string& body, const AcDbEntity* entity) {
  const ACHAR* dxfName = entity->isA()->dxfName();
  HostString layer(entity->layer());
  HostString linetype(entity->linetype());
  std::u16string layerText = ShortenName(layer.view());
  std::u16string linetypeText = LinetypeText(linetype);
  std::u16string colorText = ColorText(entity);
  NewLine(body);
  AppendFormat(body, S(IDS_FMT_HEADER), dxfName != nullptr ? dxfName : u"", layerText.c_str(), linetypeText.c_str(),
               colorText.c_str());
}

void AppendLineWeight(std::u16string& body, const AcDbEntity* entity) {
  std::u16string text;
  switch (entity->lineWeight()) {
    case AcDb::kLnWtByLwDefault: text = ModuleString(IDS_LINEWEIGHT_DEFAULT); break;
    case AcDb::kLnWtByBlock: text = ModuleString(IDS_LINEWEIGHT_BYBLOCK); break;
    case AcDb::kLnWtByLayer: text = ModuleString(IDS_LINEWEIGHT_BYLAYER); break;
    default: text = FormatW(u"%.2fmm", static_cast<int>(entity->lineWeight()) / 100.0); break;
  }
  NewLine(body);
  AppendFormat(body, S(IDS_FMT_LINEWEIGHT), text.c_str());
}

void AppendPlotStyle(std::u16string& body, const AcDbEntity* entity) {
  HostString plotStyle(entity->plotStyleName());
  if (plotStyle.view().empty()) return;
  Append(body, ModuleString(IDS_ITEM_SEPARATOR));
  AppendFormat(body, S(IDS_FMT_PLOT_STYLE), plotStyle.c_str());
}

// The id of the entity's architectural text note, or a null id when it has none.
AcDbObjectId TextNoteId(const AcDbEntity* entity) {
  AcDbObjectId dictionaryId = entity->extensionDictionary();
  if (dictionaryId.isNull()) return AcDbObjectId();
  AcDbObject* fetched = nullptr;
  {
    ReadObject<AcDbDictionary> dictionary(dictionaryId);
    if (!dictionary || dictionary->getAt(u"AEC_TEXT_NOTE", fetched, AcDb::kForRead) != Acad::eOk) {
      return AcDbObjectId();
    }
  }
  ReadObject<AcDbObject> note(fetched);
  AcRxClass* noteClass = FindHostClass(u"AecDbTextNote");
  if (noteClass == nullptr || !note->isKindOf(noteClass)) return AcDbObjectId();
  return note->objectId();
}

// The first text group after the "AecDbTextNote" subclass marker of the note's DXF data.
std::u16string TextNoteText(AcDbObjectId noteId) {
  ads_name name;
  if (acdbGetAdsName(name, noteId) != Acad::eOk) return std::u16string();
  ResultChain chain(acdbEntGet(name));
  const resbuf* group = chain.get();
  while (group != nullptr && !(group->restype == kSubclassMarker && group->resval.rstring != nullptr &&
                               std::u16string_view(group->resval.rstring) == u"AecDbTextNote")) {
    group = group->rbnext;
  }
  for (; group != nullptr; group = group->rbnext) {
    if ((group->restype == kPrimaryText || group->restype == kAdditionalText) && group->resval.rstring != nullptr) {
      return group->resval.rstring;
    }
  }
  return std::u16string();
}

void AppendTextNote(std::u16string& body, const AcDbEntity* entity) {
  AcDbObjectId noteId = TextNoteId(entity);
  if (noteId.isNull()) return;
  std::u16string note = TextNoteText(noteId);
  std::u16string_view rest = note;
  for (int lineNumber = 1; lineNumber <= kTextNoteLines; ++lineNumber) {
    rest = TrimLeadingWhiteSpace(rest);
    std::u16string_view line = rest.substr(0, rest.find_first_of(u"\r\n\t"));
    if (line.empty()) return;
    rest.remove_prefix(line.size());
    NewLine(body);
    if (lineNumber == 1) {
      AppendFormat(body, S(IDS_FMT_TEXT_NOTE), std::u16string(line).c_str());
    } else {
      Append(body, line);
    }
    if (lineNumber == kTextNoteLines && !line.ends_with(ModuleString(IDS_ELLIPSIS))) {
      Append(body, ModuleString(IDS_ELLIPSIS));
    }
  }
}

void AppendMaterial(std::u16string& body, const AcDbEntity* entity) {
  HostString material(entity->material());
  NewLine(body);
  AppendFormat(body, S(IDS_FMT_MATERIAL), material.c_str());
}

void AppendShadows(std::u16string& body, const AcDbEntity* entity) {
  bool casts = entity->castShadows();
  bool receives = entity->receiveShadows();
  if (!casts && !receives) return;
  std::u16string words;
  if (casts) words += ModuleString(IDS_SHADOW_CASTS);
  if (casts && receives) words += ModuleString(IDS_SLASH);
  if (receives) words += ModuleString(IDS_SHADOW_RECEIVES);
  Append(body, ModuleString(IDS_ITEM_SEPARATOR));
  AppendFormat(body, S(IDS_FMT_SHADOWS), words.c_str());
}

void AppendHyperlink(std::u16string& suffix, const AcDbEntity* entity) {
  ResultChain data(entity->xData(u"PE_URL"));
  const resbuf* link = data ? data->rbnext : nullptr;
  if (link == nullptr || link->restype != kExtendedDataString || link->resval.rstring == nullptr ||
      link->resval.rstring[0] == u'\0') {
    return;
  }
  NewLine(suffix);
  AppendFormat(suffix, S(IDS_FMT_HYPERLINK), link->resval.rstring);
}

}  // namespace

void DescribeEntity(ScopeText& text, AcDbEntity* entity, int gsMarker) {
  AppendHeader(text.Body, entity);
  AppendLineWeight(text.Body, entity);
  AppendPlotStyle(text.Body, entity);
  AppendTextNote(text.Body, entity);
  AppendMaterial(text.Body, entity);
  AppendShadows(text.Body, entity);
  AppendHyperlink(text.Suffix, entity);
  NewLine(text.Body);
}
