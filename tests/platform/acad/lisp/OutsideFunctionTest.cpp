// Functions outside the interpreter: arguments as result buffers, results back as values, look-up order.
#include <acutads.h>

#include <memory>
#include <vector>

#include "LispTestSupport.h"

namespace {

class LispOutsideFunctions : public LispTest {
 protected:
  // Records the argument chain's types and answers with the chain reply builds.
  void defineRecorder(const char16_t* name, std::function<resbuf*()> reply = [] { return nullptr; }) {
    document.define(name, [this, reply](const resbuf* args) {
      types.clear();
      for (const resbuf* rb = args; rb != nullptr; rb = rb->rbnext) {
        types.push_back(rb->restype);
        if (rb->restype == RTSHORT) shorts.push_back(rb->resval.rint);
        if (rb->restype == RTLONG) longs.push_back(rb->resval.rlong);
        if (rb->restype == RTSTR) strings.push_back(rb->resval.rstring);
      }
      return acadsim::LispCallResult{RTNORM, reply(), {}};
    });
  }

  std::vector<int> types;
  std::vector<int> shorts;
  std::vector<int> longs;
  std::vector<std::u16string> strings;
};

TEST_F(LispOutsideFunctions, IntegersAreShortWhenTheyFit16BitsAndLongOtherwise) {
  defineRecorder(u"probe");
  eval("(probe 1 -32768 32767 32768 -32769 2147483647)");
  EXPECT_EQ(types, (std::vector<int>{RTSHORT, RTSHORT, RTSHORT, RTLONG, RTLONG, RTLONG}));
  EXPECT_EQ(shorts, (std::vector<int>{1, -32768, 32767}));
  EXPECT_EQ(longs, (std::vector<int>{32768, -32769, 2147483647}));
}

TEST_F(LispOutsideFunctions, ListsDottedPairsNilAndT) {
  defineRecorder(u"probe");
  eval("(probe '(1 (2.5 \"s\")) '(8 . \"0\") nil t 'sym)");
  EXPECT_EQ(types, (std::vector<int>{RTLB, RTSHORT, RTLB, RTREAL, RTSTR, RTLE, RTLE, RTLB, RTSHORT, RTDOTE, RTSTR,
                                     RTLE, RTNIL, RTT, RTSTR}));
  EXPECT_EQ(strings, (std::vector<std::u16string>{u"s", u"0", u"SYM"}));
}

TEST_F(LispOutsideFunctions, NoArgumentsIsANullChain) {
  bool sawNull = false;
  document.define(u"probe", [&](const resbuf* args) {
    sawNull = args == nullptr;
    return acadsim::LispCallResult{};
  });
  EXPECT_EQ(eval("(probe)"), "nil");
  EXPECT_TRUE(sawNull);
}

TEST_F(LispOutsideFunctions, FunctionValuesCannotBePassed) {
  defineRecorder(u"probe");
  EXPECT_EQ(eval("(probe car)").substr(0, 34), "; error: bad argument type: #<SUBR");
}

TEST_F(LispOutsideFunctions, ResultsComeBackAsValues) {
  defineRecorder(u"seven", [] {
    return acutBuildList(RTSHORT, 500, RTSHORT, 1, RTSHORT, 0, RTSHORT, 1, RTSHORT, 1, RTSHORT, 0, RTSHORT, -1, 0);
  });
  EXPECT_EQ(eval("(seven)"), "(500 1 0 1 1 0 -1)");
  defineRecorder(u"one", [] { return acutBuildList(RTREAL, 2.5, 0); });
  EXPECT_EQ(eval("(one)"), "2.5");
  defineRecorder(u"nested", [] {
    return acutBuildList(RTLB, RTSTR, u"a", RTLB, RTLONG, 70000, RTDOTE, RTT, RTLE, RTNIL, RTLE, 0);
  });
  EXPECT_EQ(eval("(nested)"), R"(("a" (70000 . T) nil))");
}

TEST_F(LispOutsideFunctions, PointsNamesAndVoid) {
  const ads_point p = {1, 2, 3};
  defineRecorder(u"pt2", [p] { return acutBuildList(RTPOINT, p, 0); });
  defineRecorder(u"pt3", [p] { return acutBuildList(RT3DPOINT, p, 0); });
  const ads_name name = {0x7ff0a1b2, 0};
  defineRecorder(u"ename", [name] { return acutBuildList(RTENAME, name, 0); });
  defineRecorder(u"ss", [name] { return acutBuildList(RTPICKS, name, 0); });
  defineRecorder(u"quiet", [] { return acutBuildList(RTVOID, 0); });
  EXPECT_EQ(eval("(pt2)"), "(1.0 2.0)");
  EXPECT_EQ(eval("(pt3)"), "(1.0 2.0 3.0)");
  EXPECT_EQ(eval("(ename)"), "<Entity name: 7ff0a1b2>");
  EXPECT_EQ(eval("(type (ename))"), "ENAME");
  EXPECT_EQ(eval("(ss)"), "<Selection set: 7ff0a1b2>");
  EXPECT_EQ(eval("(type (ss))"), "PICKSET");
  EXPECT_EQ(eval("(quiet)"), "");
}

TEST_F(LispOutsideFunctions, EntityNamesGoBackOutAsTheyCame) {
  const ads_name name = {0x1234, 0x5678};
  defineRecorder(u"ename", [name] { return acutBuildList(RTENAME, name, 0); });
  int64_t seen[2] = {0, 0};
  document.define(u"take", [&](const resbuf* args) {
    if (args && args->restype == RTENAME) {
      seen[0] = args->resval.rlname[0];
      seen[1] = args->resval.rlname[1];
    }
    return acadsim::LispCallResult{};
  });
  eval("(take (ename))");
  EXPECT_EQ(seen[0], 0x1234);
  EXPECT_EQ(seen[1], 0x5678);
  EXPECT_EQ(eval("(setq e (ename)) (eq e (ename))"), "T");
}

TEST_F(LispOutsideFunctions, DxfGroupsBecomeEntgetPairs) {
  const ads_point p = {1, 2, 0};
  defineRecorder(u"groups", [p] {
    return acutBuildList(RTDXF0, u"LINE", 8, u"Walls", 10, p, 62, 3, 40, 2.5, 0);
  });
  EXPECT_EQ(eval("(groups)"), R"(((0 . "LINE") (8 . "Walls") (10 1.0 2.0 0.0) (62 . 3) (40 . 2.5)))");
}

TEST_F(LispOutsideFunctions, MalformedResultChainsAreAnError) {
  defineRecorder(u"open", [] { return acutBuildList(RTLB, RTSHORT, 1, 0); });
  defineRecorder(u"close", [] { return acutBuildList(RTLE, 0); });
  EXPECT_EQ(eval("(open)"), "; error: ADS request error");
  EXPECT_EQ(eval("(close)"), "; error: ADS request error");
}

TEST_F(LispOutsideFunctions, ErrorsCarryTheirMessage) {
  document.define(u"fails", [](const resbuf*) {
    return acadsim::LispCallResult{RTERROR, nullptr, u"bad argument type: stringp 1"};
  });
  document.define(u"cancels", [](const resbuf*) { return acadsim::LispCallResult{RTCAN, nullptr, {}}; });
  document.define(u"silent", [](const resbuf*) { return acadsim::LispCallResult{RTERROR, nullptr, {}}; });
  EXPECT_EQ(eval("(fails)"), "; error: bad argument type: stringp 1");
  EXPECT_EQ(eval("(cancels)"), "; error: Function cancelled");
  EXPECT_EQ(eval("(silent)"), "; error: ADS request error");
}

TEST_F(LispOutsideFunctions, AnErrorResultIsStillFreed) {
  document.define(u"leaky", [](const resbuf*) {
    return acadsim::LispCallResult{RTERROR, acutBuildList(RTSTR, u"discarded", 0), u"failed"};
  });
  EXPECT_EQ(eval("(leaky)"), "; error: failed");
}

TEST_F(LispOutsideFunctions, AThrowingFunctionIsAnErrorNotACrash) {
  document.define(u"throws", [](const resbuf*) -> acadsim::LispCallResult { throw std::runtime_error("x"); });
  EXPECT_EQ(eval("(setq before 1) (throws)"), "; error: ADS request error");
  EXPECT_EQ(eval("before"), "1");
}

// Set by the guard below when the function's own state dies before the function returns.
bool g_insideCall = false;
bool g_stateDiedInsideCall = false;

struct CallStateGuard {
  ~CallStateGuard() { g_stateDiedInsideCall |= g_insideCall; }
};

TEST_F(LispOutsideFunctions, AFunctionThatUndefinesItselfKeepsItsStateUntilItReturns) {
  g_insideCall = g_stateDiedInsideCall = false;
  auto state = std::make_shared<CallStateGuard>();
  acadsim::LispFunctionTable* table = &document;
  document.define(u"once", [state, table](const resbuf*) {
    g_insideCall = true;
    table->undefine(u"once");
    const bool died = g_stateDiedInsideCall;
    g_insideCall = false;
    return acadsim::LispCallResult{RTNORM, acutBuildList(RTSHORT, died ? 0 : 1, 0), {}};
  });
  state.reset();
  EXPECT_EQ(eval("(once)"), "1");
  EXPECT_FALSE(g_stateDiedInsideCall);
  EXPECT_EQ(eval("(once)"), "; error: no function definition: ONCE");
}

TEST_F(LispOutsideFunctions, NamesIgnoreCase) {
  defineRecorder(u"MixedName", [] { return acutBuildList(RTSHORT, 1, 0); });
  EXPECT_EQ(eval("(mixedname)"), "1");
  EXPECT_EQ(eval("(MIXEDNAME)"), "1");
  EXPECT_EQ(eval("(type mixedname)"), "EXRXSUBR");
  EXPECT_EQ(eval("(mapcar 'mixedname '(a b))"), "(1 1)");
}

TEST_F(LispOutsideFunctions, LookUpOrderIsBuiltinsAndDefunsThenDocumentThenHost) {
  defineRecorder(u"car", [] { return acutBuildList(RTSTR, u"document car", 0); });
  EXPECT_EQ(eval("(car '(1))"), "1");
  acadsim::HostLispFunctions().define(u"qv-test-both", [](const resbuf*) {
    return acadsim::LispCallResult{RTNORM, acutBuildList(RTSTR, u"host", 0), {}};
  });
  EXPECT_EQ(eval("(qv-test-both)"), R"("host")");
  defineRecorder(u"qv-test-both", [] { return acutBuildList(RTSTR, u"document", 0); });
  EXPECT_EQ(eval("(qv-test-both)"), R"("document")");
  eval("(defun qv-test-both () \"defun\")");
  EXPECT_EQ(eval("(qv-test-both)"), R"("defun")");
  acadsim::HostLispFunctions().undefine(u"qv-test-both");
}

TEST_F(LispOutsideFunctions, AnUndefinedFunctionIsNoLongerFound) {
  defineRecorder(u"gone");
  EXPECT_EQ(eval("(setq f gone) (gone)"), "nil");
  document.undefine(u"gone");
  EXPECT_EQ(eval("(gone)"), "; error: no function definition: GONE");
  EXPECT_EQ(eval("(apply f nil)"), "; error: no function definition: GONE");
}

TEST_F(LispOutsideFunctions, AnInterpreterWithoutDocumentFunctionsStillFindsTheHost) {
  acadsim::HostLispFunctions().define(u"qv-test-host", [](const resbuf*) {
    return acadsim::LispCallResult{RTNORM, acutBuildList(RTSHORT, 7, 0), {}};
  });
  acadsim::lisp::Interpreter bare(nullptr);
  EXPECT_EQ(WideToUtf8(bare.evaluate(u"(qv-test-host)").printed), "7");
  acadsim::HostLispFunctions().undefine(u"qv-test-host");
}

}  // namespace

TEST_F(LispTest, DefinesFunctionSeesDefunsBuiltInsAndOutsideFunctionsButNotOtherValues) {
  eval("(defun c:hi () 1)");
  eval("(setq c:number 3)");
  document.define(u"c:fromModule", [](const resbuf*) { return acadsim::LispCallResult{}; });
  EXPECT_TRUE(lisp.definesFunction(u"C:HI"));
  EXPECT_TRUE(lisp.definesFunction(u"c:FromModule"));
  EXPECT_TRUE(lisp.definesFunction(u"strcat"));
  EXPECT_FALSE(lisp.definesFunction(u"C:NUMBER"));
  EXPECT_FALSE(lisp.definesFunction(u"C:NOTHING"));
  eval("(setq c:hi nil)");
  EXPECT_FALSE(lisp.definesFunction(u"C:HI"));
}
