#include <acadsim/CommandProcessor.h>
#include <acadsim/HostArxFunctions.h>
#include <aced.h>
#include <arxHeaders.h>

#include "DocumentTestSupport.h"

namespace {

const std::u16string kLogger = InBin("doc_test_logger.arx");

struct Chain {
  explicit Chain(resbuf* head) : head(head) {}
  ~Chain() { acutRelRb(head); }
  resbuf* head;
};

class ArxFunctions : public HostTest {
 protected:
  void SetUp() override { acadsim::RegisterArxFunctions(); }
  // Calls a host function with the arguments and keeps its result for the test.
  acadsim::LispCallResult& call(const char16_t* name, resbuf* args) {
    Chain owned(args);
    acutRelRb(m_result.value);
    const acadsim::LispFunction* fn = acadsim::HostLispFunctions().find(name);
    m_result = fn == nullptr ? acadsim::LispCallResult{RTERROR, nullptr, u"no function"} : (*fn)(args);
    return m_result;
  }
  ~ArxFunctions() override { acutRelRb(m_result.value); }
  static std::u16string text(const acadsim::LispCallResult& r) {
    return r.value != nullptr && r.value->restype == RTSTR ? r.value->resval.rstring : u"<no string>";
  }

 private:
  acadsim::LispCallResult m_result;
};

}  // namespace

TEST_F(ArxFunctions, ArxloadLoadsTheApplicationAndAnswersItsName) {
  auto& loaded = call(u"arxload", acutBuildList(RTSTR, kLogger.c_str(), 0));
  EXPECT_EQ(loaded.status, RTNORM);
  EXPECT_EQ(text(loaded), kLogger);
  EXPECT_TRUE(acrxDynamicLinker->isModuleLoaded(kLogger.c_str()));
}

TEST_F(ArxFunctions, ArxloadAndArxunloadLetTheExtensionBeOmitted) {
  EXPECT_EQ(text(call(u"arxload", acutBuildList(RTSTR, u"doc_test_logger", 0))), u"doc_test_logger");
  EXPECT_TRUE(acrxDynamicLinker->isModuleLoaded(u"doc_test_logger.arx"));
  EXPECT_EQ(text(call(u"arxunload", acutBuildList(RTSTR, u"doc_test_logger", 0))), u"doc_test_logger");
  EXPECT_FALSE(acrxDynamicLinker->isModuleLoaded(u"doc_test_logger.arx"));
}

TEST_F(ArxFunctions, ArxloadOfALoadedApplicationFails) {
  call(u"arxload", acutBuildList(RTSTR, kLogger.c_str(), 0));
  auto& again = call(u"arxload", acutBuildList(RTSTR, u"doc_test_logger.arx", 0));
  EXPECT_EQ(again.status, RTERROR);
  EXPECT_EQ(again.error, u"ARXLOAD failed");
  ASSERT_TRUE(acrxUnloadModule(kLogger.c_str()));
  EXPECT_FALSE(acrxDynamicLinker->isModuleLoaded(kLogger.c_str()));
}

TEST_F(ArxFunctions, AFailedArxloadReportsWhyUnlessOnfailureIsGiven) {
  auto& failed = call(u"arxload", acutBuildList(RTSTR, u"doc_nowhere", 0));
  EXPECT_EQ(failed.status, RTERROR);
  EXPECT_EQ(failed.error, u"ARXLOAD failed");
  EXPECT_EQ(commandLine.text(), u"\nAcRxDynamicLinker failed to load 'doc_nowhere.arx': file not found\n");
  commandLine.clear();
  auto& quiet = call(u"arxload", acutBuildList(RTSTR, u"doc_nowhere", RTSHORT, 7, 0));
  EXPECT_EQ(quiet.status, RTNORM);
  ASSERT_NE(quiet.value, nullptr);
  EXPECT_EQ(quiet.value->restype, RTSHORT);
  EXPECT_EQ(quiet.value->resval.rint, 7);
  EXPECT_EQ(quiet.value->rbnext, nullptr);
  EXPECT_EQ(commandLine.text(), u"");
}

TEST_F(ArxFunctions, OnfailureMayBeAListOrNil) {
  auto& list = call(u"arxload", acutBuildList(RTSTR, u"doc_nowhere", RTLB, RTSHORT, 1, RTSTR, u"a", RTLE, 0));
  ASSERT_NE(list.value, nullptr);
  EXPECT_EQ(list.value->restype, RTLB);
  EXPECT_EQ(list.value->rbnext->restype, RTSHORT);
  EXPECT_EQ(list.value->rbnext->rbnext->restype, RTSTR);
  EXPECT_EQ(list.value->rbnext->rbnext->rbnext->restype, RTLE);
  EXPECT_EQ(list.value->rbnext->rbnext->rbnext->rbnext, nullptr);
  auto& nil = call(u"arxunload", acutBuildList(RTSTR, u"doc_nowhere", RTNIL, 0));
  EXPECT_EQ(nil.status, RTNORM);
  EXPECT_EQ(nil.value, nullptr);
}

TEST_F(ArxFunctions, ArxunloadOfAnApplicationNotLoadedOrBusyFails) {
  auto& notLoaded = call(u"arxunload", acutBuildList(RTSTR, u"doc_test_logger", 0));
  EXPECT_EQ(notLoaded.status, RTERROR);
  EXPECT_EQ(notLoaded.error, u"ARXUNLOAD failed");
  call(u"arxload", acutBuildList(RTSTR, kLogger.c_str(), 0));
  acrxDynamicLinker->setAppBusy(u"doc_test_logger.arx", true);
  auto& busy = call(u"arxunload", acutBuildList(RTSTR, u"doc_test_logger.arx", RTSTR, u"kept", 0));
  EXPECT_EQ(text(busy), u"kept");
  EXPECT_TRUE(acrxDynamicLinker->isModuleLoaded(kLogger.c_str()));
  acrxDynamicLinker->setAppBusy(u"doc_test_logger.arx", false);
}

TEST_F(ArxFunctions, ArgumentsAreCheckedAsAutoLISPChecksThem) {
  EXPECT_EQ(call(u"arxload", nullptr).error, u"too few arguments");
  EXPECT_EQ(call(u"arxunload", nullptr).error, u"too few arguments");
  EXPECT_EQ(call(u"arxload", acutBuildList(RTSHORT, 1, 0)).error, u"bad argument type: stringp 1");
  EXPECT_EQ(call(u"arxload", acutBuildList(RTNIL, 0)).error, u"bad argument type: stringp nil");
  EXPECT_EQ(call(u"arxunload", acutBuildList(RTSTR, u"a", RTSTR, u"b", RTSTR, u"c", 0)).error,
            u"too many arguments");
  EXPECT_EQ(call(u"arxload", acutBuildList(RTSTR, u"a", RTLB, RTSHORT, 1, RTLE, RTT, 0)).error,
            u"too many arguments");
  EXPECT_FALSE(acrxDynamicLinker->isModuleLoaded(u"a.arx"));
}

TEST_F(ArxFunctions, RegisteringTwiceKeepsOneArxCommand) {
  acadsim::RegisterArxFunctions();
  AcEdCommand* arx = acedRegCmds->lookupGlobalCmd(u"ARX");
  ASSERT_NE(arx, nullptr);
  EXPECT_EQ(arx->commandApp(), nullptr);
  EXPECT_NE(acadsim::HostLispFunctions().find(u"ARXLOAD"), nullptr);
}

namespace {

std::u16string RunCommandLine(const std::u16string& script, CommandLineCapture& commandLine) {
  commandLine.clear();
  acadsim::CommandProcessor processor(acadsim::CommandLineHooks{});
  acadsim::StringInputSource input(script);
  processor.run(input);
  return commandLine.text();
}

}  // namespace

TEST_F(ArxFunctions, TheArxCommandListsLoadsAndUnloadsApplications) {
  const std::u16string loading = RunCommandLine(u"ARX\nL\n" + kLogger + u"\nARX\n?\n", commandLine);
  EXPECT_NE(loading.find(u"Enter an option [?/Load/Unload/Commands/Options]: L"), std::u16string::npos) << WideToUtf8(loading);
  EXPECT_NE(loading.find(u"Runtime extension file: " + kLogger), std::u16string::npos);
  EXPECT_NE(loading.find(u"doc_test_logger.arx successfully loaded."), std::u16string::npos);
  EXPECT_NE(loading.find(u"?\ndoc_test_logger.arx"), std::u16string::npos);
  EXPECT_TRUE(acrxDynamicLinker->isModuleLoaded(kLogger.c_str()));
  const std::u16string again = RunCommandLine(u"ARX\nL\ndoc_test_logger\n", commandLine);
  EXPECT_NE(again.find(u"doc_test_logger is already loaded."), std::u16string::npos) << WideToUtf8(again);
  const std::u16string unloading = RunCommandLine(u"ARX\nU\ndoc_test_logger\nARX\nU\ndoc_test_logger\n", commandLine);
  EXPECT_NE(unloading.find(u"Unload Runtime extension file: doc_test_logger"), std::u16string::npos)
      << WideToUtf8(unloading);
  EXPECT_NE(unloading.find(u"doc_test_logger.arx successfully unloaded."), std::u16string::npos);
  EXPECT_NE(unloading.find(u"doc_test_logger is not loaded."), std::u16string::npos);
  EXPECT_FALSE(acrxDynamicLinker->isModuleLoaded(kLogger.c_str()));
}

TEST_F(ArxFunctions, TheArxCommandListsCommandsServicesAndClasses) {
  const std::u16string listing = RunCommandLine(u"ARX\nC\nARX\nO\nCL\nARX\nO\nS\n", commandLine);
  EXPECT_NE(listing.find(u"\nACAD_MAIN:\n  ARX"), std::u16string::npos) << WideToUtf8(listing);
  EXPECT_NE(listing.find(u"Enter an option [Group/CLasses/Services]: CL"), std::u16string::npos);
  EXPECT_NE(listing.find(u"\nAcRxObject\n"), std::u16string::npos);
  EXPECT_NE(listing.find(u"\n  AcRxClass"), std::u16string::npos);
}
