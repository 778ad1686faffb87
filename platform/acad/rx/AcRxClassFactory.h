// Host-internal access to the fields of class objects, for the class registry of this folder.
#pragma once
#include <rxclass.h>

struct AcRxClassFactory {
  static AcRxClass* make(const ACHAR* className, const ACHAR* parentClassName, int dwgVer, int maintVer, int proxyFlags,
                         AcRxObject* (*pseudoConstructor)(), const ACHAR* dxfName, const ACHAR* appName);
  static const std::u16string& parentName(const AcRxClass& cls) { return cls.m_parentName; }
  static void setParent(AcRxClass& cls, AcRxClass* parent) { cls.m_parent = parent; }
  // Drops every registration whose protocol class is protocolClass (it is going away).
  static void forgetProtocol(AcRxClass& cls, const AcRxClass* protocolClass);
};
