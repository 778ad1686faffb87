#include "InputReader.h"

namespace acadsim::command {
namespace {

// AutoCAD's script convention for Esc.
constexpr std::u16string_view kCancelLine = u"^C";

}  // namespace

InputReader::InputReader(InputSource& source, LispInputStart startLispInput)
    : m_source(source), m_startLispInput(std::move(startLispInput)) {}

Input::Kind InputReader::fetchLine() {
  if (m_haveLine) return Input::Kind::Text;
  if (m_pendingCancel) return Input::Kind::Cancel;
  if (m_ended) return Input::Kind::End;
  std::optional<std::u16string> line = m_source.readLine();
  if (!line) {
    m_ended = true;
    return Input::Kind::End;
  }
  if (*line == kCancelLine) {
    m_pendingCancel = true;
    return Input::Kind::Cancel;
  }
  m_line = std::move(*line);
  m_position = 0;
  m_haveLine = true;
  m_lineIsFresh = true;
  return Input::Kind::Text;
}

bool InputReader::ended() {
  if (!m_haveLine && !m_pendingCancel && !m_ended && !isInteractive()) fetchLine();
  return !m_haveLine && !m_pendingCancel && m_ended;
}

std::u16string InputReader::takeWord() {
  const size_t space = m_line.find(u' ', m_position);
  std::u16string word;
  if (space == std::u16string::npos) {
    word = m_line.substr(m_position);
    m_haveLine = false;
  } else {
    word = m_line.substr(m_position, space - m_position);
    m_position = space + 1;
  }
  return word;
}

Input InputReader::next(Mode mode) {
  const Input::Kind kind = fetchLine();
  if (kind != Input::Kind::Text) {
    m_pendingCancel = false;
    return Input{kind, {}, true};
  }
  const bool fresh = m_lineIsFresh;
  m_lineIsFresh = false;
  if (mode == Mode::Line) {
    Input input{Input::Kind::Text, m_line.substr(m_position), fresh};
    m_haveLine = false;
    return input;
  }
  std::u16string word = takeWord();
  if (mode == Mode::Word && !word.empty() && word.front() == u'(') return readLisp(std::move(word), fresh);
  return Input{Input::Kind::Text, std::move(word), fresh};
}

Input InputReader::readLisp(std::u16string text, bool freshLine) {
  // Without an interpreter to ask, the input ends where its line ends.
  const std::function<bool(std::u16string_view)> takePiece = m_startLispInput ? m_startLispInput() : nullptr;
  auto complete = [&](std::u16string_view piece) { return takePiece ? takePiece(piece) : !m_haveLine; };
  for (bool done = complete(text); !done;) {
    std::u16string piece;
    if (m_haveLine) {
      piece = u" ";
    } else {
      const Input::Kind kind = fetchLine();
      if (kind == Input::Kind::End) break;
      if (kind == Input::Kind::Cancel) {
        m_pendingCancel = false;
        return Input{Input::Kind::Cancel, {}, freshLine};
      }
      piece = u"\n";
    }
    piece += takeWord();
    text += piece;
    done = complete(piece);
  }
  return Input{Input::Kind::Text, std::move(text), freshLine};
}

}  // namespace acadsim::command
