// Turns the lines of an input source into the inputs AutoCAD's command line takes: a space or a line end
// acts as Enter, except inside AutoLISP input, which runs until its expression is complete.
#pragma once
#include <acadsim/CommandProcessor.h>

#include <functional>
#include <string>
#include <string_view>

namespace acadsim::command {

struct Input {
  enum class Kind { Text, Cancel, End };
  Kind kind = Kind::End;
  // As typed; empty for Enter. AutoLISP input spread over lines holds "\n" between them.
  std::u16string text;
  // The input began on a line read for it (not on one left from an earlier input).
  bool freshLine = false;
};

class InputReader {
 public:
  enum class Mode {
    Word,         // up to a space or the line end; "(" starts AutoLISP input
    LiteralWord,  // up to a space or the line end, whatever it holds
    Line,         // the rest of the line, spaces included
  };

  using LispInputStart = std::function<std::function<bool(std::u16string_view piece)>()>;

  InputReader(InputSource& source, LispInputStart startLispInput);

  Input next(Mode mode);
  // True when no input is left; reads the next line ahead when none is waiting.
  bool ended();
  bool isInteractive() const { return m_source.isInteractive(); }

 private:
  // Makes a line current, or tells what stands instead of one (a cancel, the end).
  Input::Kind fetchLine();
  std::u16string takeWord();
  Input readLisp(std::u16string text, bool freshLine);

  InputSource& m_source;
  LispInputStart m_startLispInput;
  std::u16string m_line;
  size_t m_position = 0;
  bool m_haveLine = false;
  bool m_lineIsFresh = false;
  bool m_pendingCancel = false;
  bool m_ended = false;
};

}  // namespace acadsim::command
