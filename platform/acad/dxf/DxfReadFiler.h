// The filer an object reads itself from: the object's groups, already decoded, up to its extended data.
#pragma once
#include <string>

#include <acadsim/DxfData.h>
#include <dbfiler.h>

namespace acadsim {

class DxfReadFiler : public AcDbDxfFiler {
 public:
  DxfReadFiler(AcDbDatabase* db, const DxfData& groups, size_t end) : db_(db), groups_(groups), end_(end) {}

  Acad::ErrorStatus filerStatus() const override { return status_; }
  AcDbDatabase* database() const override { return db_; }
  Acad::ErrorStatus readResBuf(resbuf* pRb) override;
  void pushBackItem() override;
  bool atEOF() override { return pos_ >= end_; }
  bool atSubclassData(const ACHAR* subClassName) override;
  bool atExtendedData() override { return pos_ >= end_; }
  Acad::ErrorStatus setError(Acad::ErrorStatus es, const ACHAR* message) override;
  bool readGroup(DxfGroupView& group) override;
  void markSubclassDataStart() override { mark_ = pos_; }

  size_t subclassDataStart() const { return mark_; }
  const std::u16string& errorMessage() const { return message_; }

 private:
  AcDbDatabase* db_;
  const DxfData& groups_;
  size_t end_;
  size_t pos_ = 0;
  size_t mark_ = 0;
  Acad::ErrorStatus status_ = Acad::eOk;
  std::u16string message_;
  std::u16string text_;  // the string readResBuf handed out last
  std::string bytes_;    // the binary chunk readResBuf handed out last
};

}  // namespace acadsim
