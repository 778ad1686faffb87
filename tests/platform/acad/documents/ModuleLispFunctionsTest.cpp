#include <arxHeaders.h>

#include "DocumentTestSupport.h"

namespace {

const std::u16string kLogger = InBin("doc_test_logger.arx");
const std::u16string kSecond = InBin("doc_test_second.arx");

// Owns what a call gave back.
struct Call {
  explicit Call(acadsim::LispCallResult r) : result(std::move(r)) {}
  ~Call() { acutRelRb(result.value); }
  Call(const Call&) = delete;
  Call& operator=(const Call&) = delete;
  acadsim::LispCallResult result;
};

class ModuleFunctions : public HostTest {
 protected:
  static const acadsim::LispFunction* function(const char16_t* name, AcApDocument* doc = curDoc()) {
    const acadsim::LispFunctionTable* table = acadsim::DocumentLispFunctions(doc);
    return table == nullptr ? nullptr : table->find(name);
  }
  static std::unique_ptr<Call> call(const char16_t* name, const resbuf* args = nullptr) {
    const acadsim::LispFunction* fn = function(name);
    if (fn == nullptr) return nullptr;
    return std::make_unique<Call>((*fn)(args));
  }
};

struct Chain {
  explicit Chain(resbuf* head) : head(head) {}
  ~Chain() { acutRelRb(head); }
  resbuf* head;
};

}  // namespace

TEST_F(ModuleFunctions, AModuleDefinesItsFunctionsInEachDocumentAsItOpens) {
  AcApDocument* first = acadsim::NewDocument();
  ASSERT_TRUE(acrxLoadModule(kLogger.c_str(), true));
  AcApDocument* second = acadsim::NewDocument();
  EXPECT_NE(function(u"doctest-echo", first), nullptr);
  EXPECT_NE(function(u"DOCTEST-ECHO", second), nullptr);
  EXPECT_EQ(function(u"doctest-unknown", second), nullptr);
}

TEST_F(ModuleFunctions, EachResultKindComesBackAsAutoLISPValues) {
  acadsim::NewDocument();
  ASSERT_TRUE(acrxLoadModule(kLogger.c_str(), true));
  auto integer = call(u"doctest-int");
  ASSERT_NE(integer, nullptr);
  EXPECT_EQ(integer->result.status, RTNORM);
  ASSERT_NE(integer->result.value, nullptr);
  EXPECT_EQ(integer->result.value->restype, RTLONG);
  EXPECT_EQ(integer->result.value->resval.rlong, 70000);
  auto real = call(u"doctest-real");
  EXPECT_EQ(real->result.value->restype, RTREAL);
  EXPECT_EQ(real->result.value->resval.rreal, 2.5);
  auto text = call(u"doctest-str");
  EXPECT_EQ(text->result.value->restype, RTSTR);
  EXPECT_EQ(std::u16string(text->result.value->resval.rstring), u"text");
  auto truth = call(u"doctest-t");
  EXPECT_EQ(truth->result.value->restype, RTT);
  auto nil = call(u"doctest-nil");
  EXPECT_EQ(nil->result.status, RTNORM);
  EXPECT_EQ(nil->result.value, nullptr);
  auto blank = call(u"doctest-void");
  EXPECT_EQ(blank->result.value->restype, RTVOID);
  auto nothing = call(u"doctest-nothing");
  EXPECT_EQ(nothing->result.status, RTNORM);
  EXPECT_EQ(nothing->result.value, nullptr);
}

TEST_F(ModuleFunctions, ArgumentsReachTheModuleAndAListComesBackAsACopy) {
  acadsim::NewDocument();
  ASSERT_TRUE(acrxLoadModule(kLogger.c_str(), true));
  Chain args(acutBuildList(RTSHORT, 250, RTNIL, RTSTR, u"x", RTLB, RTREAL, 1.5, RTLE, 0));
  auto echoed = call(u"doctest-echo", args.head);
  ASSERT_NE(echoed, nullptr);
  const resbuf* rb = echoed->result.value;
  const int expected[] = {RTLB, RTSHORT, RTNIL, RTSTR, RTLB, RTREAL, RTLE, RTLE};
  for (int type : expected) {
    ASSERT_NE(rb, nullptr);
    EXPECT_EQ(rb->restype, type);
    if (type == RTSTR) {
      EXPECT_NE(rb->resval.rstring, args.head->rbnext->rbnext->resval.rstring);
    }
    rb = rb->rbnext;
  }
  EXPECT_EQ(rb, nullptr);
  EXPECT_EQ(echoed->result.value->rbnext->resval.rint, 250);
  auto first = call(u"doctest-first", args.head);
  EXPECT_EQ(first->result.value->restype, RTSHORT);
  EXPECT_EQ(first->result.value->rbnext, nullptr);
  auto none = call(u"doctest-echo");
  EXPECT_EQ(none->result.value, nullptr);
}

TEST_F(ModuleFunctions, TheModuleSeesTheCodeOfTheFunctionCalled) {
  acadsim::NewDocument();
  ASSERT_TRUE(acrxLoadModule(kLogger.c_str(), true));
  auto code = call(u"doctest-code");
  EXPECT_EQ(code->result.value->resval.rlong, 12);
}

TEST_F(ModuleFunctions, ARegisteredFunctionIsCalledDirectlyAndItsRSERRIsAnError) {
  acadsim::NewDocument();
  ASSERT_TRUE(acrxLoadModule(kLogger.c_str(), true));
  commandLine.clear();
  auto direct = call(u"doctest-x");
  EXPECT_EQ(std::u16string(direct->result.value->resval.rstring), u"direct");
  auto failing = call(u"doctest-fail-x");
  EXPECT_EQ(failing->result.status, RTERROR);
  EXPECT_EQ(failing->result.value, nullptr);
  EXPECT_EQ(failing->result.error, u"ADS request error");
  EXPECT_EQ(commandLine.text(), u"");
}

TEST_F(ModuleFunctions, AModuleUndefinesOnlyWhatItDefinedUnderThatNumber) {
  acadsim::NewDocument();
  ASSERT_TRUE(acrxLoadModule(kLogger.c_str(), true));
  auto undefined = call(u"doctest-undef");
  EXPECT_EQ(undefined->result.value->resval.rlong, RTNORM);
  EXPECT_EQ(function(u"doctest-echo"), nullptr);
  auto again = call(u"doctest-undef");
  EXPECT_EQ(again->result.value->resval.rlong, RTERROR);
}

TEST_F(ModuleFunctions, TheLastModuleToDefineANameOwnsIt) {
  acadsim::NewDocument();
  ASSERT_TRUE(acrxLoadModule(kLogger.c_str(), true));
  ASSERT_TRUE(acrxLoadModule(kSecond.c_str(), true));
  ASSERT_TRUE(acrxUnloadModule(kLogger.c_str()));
  EXPECT_NE(function(u"doctest-echo"), nullptr);
  auto still = call(u"doctest-str");
  EXPECT_EQ(std::u16string(still->result.value->resval.rstring), u"text");
  ASSERT_TRUE(acrxUnloadModule(kSecond.c_str()));
  EXPECT_EQ(function(u"doctest-echo"), nullptr);
}

TEST_F(ModuleFunctions, FunctionsLeaveEveryDocumentWhenTheirModuleUnloads) {
  AcApDocument* first = acadsim::NewDocument();
  AcApDocument* second = acadsim::NewDocument();
  ASSERT_TRUE(acrxLoadModule(kLogger.c_str(), true));
  ASSERT_TRUE(acrxUnloadModule(kLogger.c_str()));
  EXPECT_EQ(function(u"doctest-echo", first), nullptr);
  EXPECT_EQ(function(u"doctest-x", second), nullptr);
  ASSERT_TRUE(acrxLoadModule(kLogger.c_str(), true));
  auto direct = call(u"doctest-x");
  EXPECT_EQ(std::u16string(direct->result.value->resval.rstring), u"direct");
}

TEST_F(ModuleFunctions, OutsideAModuleAndACallTheFunctionsRefuse) {
  acadsim::NewDocument();
  EXPECT_EQ(acedDefun(u"doctest-host", 0), RTERROR);
  EXPECT_EQ(acedUndef(u"doctest-host", 0), RTERROR);
  EXPECT_EQ(acedRegFunc(nullptr, 0), RTERROR);
  EXPECT_EQ(acedGetFunCode(), RTERROR);
  EXPECT_EQ(acedGetArgs(), nullptr);
  EXPECT_EQ(acedRetInt(1), RTERROR);
  EXPECT_EQ(acedRetStr(u"x"), RTERROR);
  EXPECT_EQ(acedRetList(nullptr), RTERROR);
  EXPECT_EQ(acedRetVal(nullptr), RTERROR);
  EXPECT_EQ(acedRetVoid(), RTERROR);
}
