// The host's services to the database: above all, which database is the working one.
#pragma once
#include "dbmain.h"

class AcDbHostApplicationServices {
 public:
  virtual ~AcDbHostApplicationServices() = default;
  // The database commands and ObjectARX calls act on; null before a drawing is opened.
  virtual AcDbDatabase* workingDatabase() const { return mWorkingDatabase; }
  virtual void setWorkingDatabase(AcDbDatabase* pDatabase) { mWorkingDatabase = pDatabase; }

 private:
  AcDbDatabase* mWorkingDatabase = nullptr;
};

AcDbHostApplicationServices* acdbHostApplicationServices();
