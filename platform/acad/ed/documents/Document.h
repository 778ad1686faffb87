// One open drawing of the host: its database, its file, its locks and the AutoLISP functions modules gave it.
#pragma once
#include <acadsim/LispFunctions.h>
#include <acdocman.h>

#include "InputPointManager.h"
#include <dbmain.h>

#include <memory>
#include <string>
#include <vector>

namespace acadsim {

class Document : public AcApDocument {
 public:
  // fileName: the full path, or for a drawing never saved its name alone.
  Document(AcApDocManager* manager, std::unique_ptr<AcDbDatabase> database, std::u16string fileName,
           bool readOnly);

  const ACHAR* fileName() const override { return m_fileName.c_str(); }
  AcApDocManager* docManager() const override { return m_manager; }
  AcDbDatabase* database() const override { return m_database.get(); }
  AcAp::DocLockMode lockMode(bool bIncludeMyLocks = false) const override;
  AcAp::DocLockMode myLockMode() const override;
  bool isQuiescent() const override;
  const ACHAR* docTitle() const override { return m_title.c_str(); }
  bool isReadOnly() const override { return m_readOnly; }
  AcEdInputPointManager* inputPointManager() override { return &m_inputPoints; }
  InputPointManager& inputPoints() { return m_inputPoints; }

  // The folder of the file with a trailing "/"; for a drawing never saved the current folder, where it
  // would be saved.
  std::u16string folder() const;

  struct Lock {
    AcAp::DocLockMode mode;
    std::u16string globalCommand;
  };
  std::vector<Lock>& locks() { return m_locks; }

  // Set once closing has begun, so a module closing it again from kUnloadDwgMsg changes nothing.
  bool closing = false;

  // A module's AutoLISP function: defining a name again replaces it, whoever defined it before.
  void defineModuleFunction(std::u16string_view name, void* appId, int funcno, LispFunction fn);
  // False unless that module defined that name with that number.
  bool undefineModuleFunction(std::u16string_view name, void* appId, int funcno);
  void removeModuleFunctions(void* appId);
  const LispFunctionTable& lispFunctions() const { return m_lispFunctions; }

 private:
  struct ModuleFunction {
    std::u16string name;
    void* appId;
    int funcno;
  };
  std::vector<ModuleFunction>::iterator findModuleFunction(std::u16string_view name);

  AcApDocManager* m_manager;
  std::unique_ptr<AcDbDatabase> m_database;
  std::u16string m_fileName;
  std::u16string m_title;
  bool m_readOnly;
  std::vector<Lock> m_locks;
  LispFunctionTable m_lispFunctions;
  std::vector<ModuleFunction> m_moduleFunctions;
  InputPointManager m_inputPoints{this};
};

}  // namespace acadsim
