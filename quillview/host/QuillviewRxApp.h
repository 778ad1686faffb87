// The host-facing application object: turns the host's messages into the module's calls.
#pragma once
#include <acrxEntryPoint.h>

class CQuillviewRxApp : public AcRxArxApp {
 public:
  CQuillviewRxApp();

  AcRx::AppRetCode On_kInitAppMsg(void* pkt) override;
  AcRx::AppRetCode On_kUnloadAppMsg(void* pkt) override;
  AcRx::AppRetCode On_kLoadDwgMsg(void* pkt) override;
  AcRx::AppRetCode On_kUnloadDwgMsg(void* pkt) override;
  AcRx::AppRetCode On_kInvkSubrMsg(void* pkt) override;
  void RegisterServerComponents() override;

  bool IsInitialised() const { return m_initialised; }

 private:
  bool m_initialised = false;
};

// The one object the host's entry point hands every message to.
CQuillviewRxApp& QuillviewRxApp();
