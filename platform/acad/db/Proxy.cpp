#include <dbproxy.h>

#include "DatabaseImpl.h"

ACRX_DXF_DEFINE_MEMBERS(AcDbProxyEntity, AcDbEntity, 0, 0, 0, ACAD_PROXY_ENTITY, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbProxyEntity);
ACRX_DXF_DEFINE_MEMBERS(AcDbProxyObject, AcDbObject, 0, 0, 0, ACAD_PROXY_OBJECT, AutoCAD);
ACADSIM_HOST_CLASS_REGISTRATION(AcDbProxyObject);

AcDbProxyEntity::AcDbProxyEntity() = default;
AcDbProxyEntity::~AcDbProxyEntity() = default;
ACHAR* AcDbProxyEntity::originalClassName() const { return acadsim::newHostString(mClassName); }
ACHAR* AcDbProxyEntity::originalDxfName() const { return acadsim::newHostString(mDxfName); }
ACHAR* AcDbProxyEntity::applicationDescription() const { return acadsim::newHostString(mAppName); }
void AcDbProxyEntity::setOriginal(std::u16string className, std::u16string dxfName, std::u16string appName,
                                  int proxyFlags) {
  mClassName = std::move(className);
  mDxfName = std::move(dxfName);
  mAppName = std::move(appName);
  mProxyFlags = proxyFlags;
}

AcDbProxyObject::AcDbProxyObject() = default;
AcDbProxyObject::~AcDbProxyObject() = default;
ACHAR* AcDbProxyObject::originalClassName() const { return acadsim::newHostString(mClassName); }
ACHAR* AcDbProxyObject::originalDxfName() const { return acadsim::newHostString(mDxfName); }
ACHAR* AcDbProxyObject::applicationDescription() const { return acadsim::newHostString(mAppName); }
void AcDbProxyObject::setOriginal(std::u16string className, std::u16string dxfName, std::u16string appName,
                                  int proxyFlags) {
  mClassName = std::move(className);
  mDxfName = std::move(dxfName);
  mAppName = std::move(appName);
  mProxyFlags = proxyFlags;
}
