// AcDbPlotSettings and AcDbLayout: a layout tab, its name, its place among the tabs and its block.
#pragma once
#include <string>
#include "dbmain.h"

class AcDbPlotSettings : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPlotSettings);
  AcDbPlotSettings();
  ~AcDbPlotSettings() override;
};

class AcDbLayout : public AcDbPlotSettings {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLayout);
  AcDbLayout();
  ~AcDbLayout() override;

  // The layout's name, the record's own buffer (valid while the layout is open).
  Acad::ErrorStatus getLayoutName(const ACHAR*& layoutName) const;
  Acad::ErrorStatus setLayoutName(const ACHAR* layoutName);
  // 0 is the Model tab; paper-space layouts count from 1.
  int getTabOrder() const { return mTabOrder; }
  void setTabOrder(int newOrder) { mTabOrder = newOrder; }
  AcDbObjectId getBlockTableRecordId() const { return mBlockId; }
  Acad::ErrorStatus setBlockTableRecordId(const AcDbObjectId& blockTableRecordId);

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

 private:
  std::u16string mName;
  int mTabOrder = 0;
  AcDbObjectId mBlockId;
};
