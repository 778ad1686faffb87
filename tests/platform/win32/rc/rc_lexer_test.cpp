#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "rc_lexer.h"

namespace fs = std::filesystem;

namespace {

std::string repeat(const std::string& item, size_t times) {
  std::string out;
  for (size_t i = 0; i < times; ++i) out += item;
  return out;
}

// A name whose one use visits exactly kMaxExpansionSteps body tokens: 100 uses of D, each of 999 tokens.
const std::string kFullBudgetMacro = "#define D" + repeat(" 1", 999) + "\n#define FULL" + repeat(" D", 100) + "\n";

class RcLexerTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("rc_lexer_test_" + std::to_string(getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path write(const std::string& script) {
    std::ofstream(dir_ / "test.rc") << script;
    return dir_ / "test.rc";
  }

  // Each token up to the end, written as "text" for names, numbers and punctuation and as "\"str\"" for strings.
  std::vector<std::string> tokens(const std::string& script) {
    RcLexer lexer(write(script), {});
    std::vector<std::string> out;
    for (RcToken t = lexer.next(); t.kind != RcToken::End; t = lexer.next())
      out.push_back(t.kind == RcToken::String ? "\"" + std::string(t.str.begin(), t.str.end()) + "\"" : t.text);
    return out;
  }

  // The number of tokens the script yields, or the error that stopped it.
  std::string countOrError(const std::string& script) {
    try {
      RcLexer lexer(write(script), {});
      size_t count = 0;
      while (lexer.next().kind != RcToken::End) ++count;
      return std::to_string(count);
    } catch (const RcError& e) {
      return e.what();
    }
  }

  fs::path dir_;
};

using Tokens = std::vector<std::string>;

TEST_F(RcLexerTest, MacrosExpandRecursivelyAsInC) {
  EXPECT_EQ(tokens("#define B 2\n#define A B + 1\nA\n"), (Tokens{"2", "+", "1"}));
  EXPECT_EQ(tokens("#define A B\n#define B 3\nA\n"), (Tokens{"3"}));
  EXPECT_EQ(tokens("#define S S 1\nS S\n"), (Tokens{"S", "1", "S", "1"}));
  EXPECT_EQ(tokens("#define P Q\n#define Q P\nP Q\n"), (Tokens{"P", "Q"}));
  EXPECT_EQ(tokens("#define T A A\n#define A 1\nT\n"), (Tokens{"1", "1"}));
  EXPECT_EQ(tokens("#define E\n1 E E 2 E\n"), (Tokens{"1", "2"}));
  EXPECT_EQ(tokens("#define W L\"w\" \"x\"\nW\n"), (Tokens{"\"w\"", "\"x\""}));
  EXPECT_EQ(tokens("#define A 1\n#undef A\nA\n"), (Tokens{"A"}));
  EXPECT_EQ(tokens("#define A 1\n#define A 2\nA\n"), (Tokens{"2"}));
}

TEST_F(RcLexerTest, ExpandedTokensTakeTheLineOfTheUse) {
  RcLexer lexer(write("#define A 1 2\n#define B \\\n  A\n\n\nB\n"), {});
  std::string where = (dir_ / "test.rc").string() + ":6";
  EXPECT_EQ(lexer.next().where, where);
  EXPECT_EQ(lexer.peek().where, where);
  EXPECT_EQ(lexer.next().text, "2");
  EXPECT_EQ(lexer.next().kind, RcToken::End);
}

TEST_F(RcLexerTest, OneExpansionIsBoundedByTheTokensItVisits) {
  static_assert(RcLexer::kMaxExpansionSteps == 100 + 100 * 999);
  EXPECT_EQ(countOrError(kFullBudgetMacro + "FULL\n"), std::to_string(100 * 999));
  std::string where = (dir_ / "test.rc").string();
  EXPECT_EQ(countOrError(kFullBudgetMacro + "#define OVER FULL\n\nOVER\n"),
            where + ":5: error: expansion of 'OVER' is too long");
  EXPECT_EQ(countOrError(kFullBudgetMacro + "#define OVER D" + repeat(" D", 99) + " 1\nOVER\n"),
            where + ":4: error: expansion of 'OVER' is too long");
}

TEST_F(RcLexerTest, MacroBombsAreRefused) {
  std::string doubling = "#define M0 1\n";
  std::string empty = "#define M0\n";
  for (int i = 1; i <= 60; ++i) {
    std::string body = " M" + std::to_string(i - 1) + " M" + std::to_string(i - 1) + "\n";
    doubling += "#define M" + std::to_string(i) + body;
    empty += "#define M" + std::to_string(i) + body;
  }
  EXPECT_NE(countOrError(doubling + "M60\n").find("expansion of 'M60' is too long"), std::string::npos);
  EXPECT_NE(countOrError(empty + "M60\n").find("expansion of 'M60' is too long"), std::string::npos);
  EXPECT_EQ(countOrError(doubling + "M15\n"), "32768");
  EXPECT_EQ(countOrError(empty + "M15\n"), "0");
}

TEST_F(RcLexerTest, LongChainsExpandWithoutRecursion) {
  std::string chain = "#define C0 end\n";
  for (int i = 1; i <= 90000; ++i) chain += "#define C" + std::to_string(i) + " C" + std::to_string(i - 1) + "\n";
  EXPECT_EQ(tokens(chain + "C90000\n"), (Tokens{"end"}));
}

TEST_F(RcLexerTest, AllExpansionsOfAScriptShareOneBudget) {
  static_assert(RcLexer::kMaxScriptExpansionSteps == 10 * RcLexer::kMaxExpansionSteps);
  std::string script = kFullBudgetMacro + "#define ONE 1\n" + repeat("FULL\n", 10);
  EXPECT_EQ(countOrError(script), std::to_string(10 * 100 * 999));
  EXPECT_EQ(countOrError(script + "2 ONE\n"),
            (dir_ / "test.rc").string() + ":14: error: macro expansions in this script are too long in total");
}

}  // namespace
