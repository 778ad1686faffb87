// Proxies: objects of classes whose application is not loaded, kept whole as the file had them.
#pragma once
#include <string>
#include "dbmain.h"

class AcDbProxyEntity : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbProxyEntity);
  AcDbProxyEntity();
  ~AcDbProxyEntity() override;

  Adesk::Boolean isAProxy() const override { return true; }
  // The class and DXF names of the object as its application defines them (copies freed with acutDelString).
  ACHAR* originalClassName() const;
  ACHAR* originalDxfName() const;
  ACHAR* applicationDescription() const;
  int proxyFlags() const { return mProxyFlags; }

  // Host: what the CLASSES section said of the original class.
  void setOriginal(std::u16string className, std::u16string dxfName, std::u16string appName, int proxyFlags);

 private:
  std::u16string mClassName, mDxfName, mAppName;
  int mProxyFlags = 0;
};

class AcDbProxyObject : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbProxyObject);
  AcDbProxyObject();
  ~AcDbProxyObject() override;

  Adesk::Boolean isAProxy() const override { return true; }
  ACHAR* originalClassName() const;
  ACHAR* originalDxfName() const;
  ACHAR* applicationDescription() const;
  int proxyFlags() const { return mProxyFlags; }

  void setOriginal(std::u16string className, std::u16string dxfName, std::u16string appName, int proxyFlags);

 private:
  std::u16string mClassName, mDxfName, mAppName;
  int mProxyFlags = 0;
};
