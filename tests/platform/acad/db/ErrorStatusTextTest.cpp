// acadErrorStatusText: the name of each status, as AutoCAD gives it.
#include <acadstrc.h>
#include <gtest/gtest.h>

#include <string>

namespace {

std::u16string text(Acad::ErrorStatus es) { return acadErrorStatusText(es); }

TEST(AcadErrorStatusText, NamesTheStatus) {
  EXPECT_EQ(text(Acad::eOk), u"eOk");
  EXPECT_EQ(text(Acad::eNotImplementedYet), u"eNotImplementedYet");
  EXPECT_EQ(text(Acad::eWasOpenedForWrite), u"eWasOpenedForWrite");
  EXPECT_EQ(text(Acad::eAtMaxReaders), u"eAtMaxReaders");
  EXPECT_EQ(text(Acad::eNoDatabase), u"eNoDatabase");
  EXPECT_EQ(text(Acad::eRegappIdNotFound), u"eRegappIdNotFound");
  EXPECT_EQ(text(Acad::eBinaryDataSizeExceeded), u"eBinaryDataSizeExceeded");
}

TEST(AcadErrorStatusText, KeepsAutoCADsNumbers) {
  EXPECT_EQ(static_cast<int>(Acad::eNoDatabase), 124);
  EXPECT_EQ(static_cast<int>(Acad::eRegappIdNotFound), 126);
  EXPECT_EQ(static_cast<int>(Acad::eWasOpenedForWrite), 83);
}

TEST(AcadErrorStatusText, UnknownValuesGiveAFixedText) {
  EXPECT_EQ(text(static_cast<Acad::ErrorStatus>(19)), u"Unknown ErrorStatus");  // a gap in the numbering
  EXPECT_EQ(text(static_cast<Acad::ErrorStatus>(125)), u"Unknown ErrorStatus");  // between two statuses
  EXPECT_EQ(text(static_cast<Acad::ErrorStatus>(500)), u"Unknown ErrorStatus");
}

}  // namespace
