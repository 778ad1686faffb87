#include <acadsim/CommandProcessor.h>
#include <qvwide.h>

namespace acadsim {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutByteOrderMark(std::string_view text) {
  return text.starts_with(kUtf8ByteOrderMark) ? text.substr(kUtf8ByteOrderMark.size()) : text;
}

}  // namespace

StringInputSource::StringInputSource(std::u16string text) : m_text(std::move(text)) {}

std::optional<std::u16string> StringInputSource::readLine() {
  if (m_position >= m_text.size()) return std::nullopt;
  size_t end = m_text.find(u'\n', m_position);
  const size_t next = end == std::u16string::npos ? m_text.size() : end + 1;
  if (end == std::u16string::npos) end = m_text.size();
  if (end > m_position && m_text[end - 1] == u'\r') --end;
  std::u16string line = m_text.substr(m_position, end - m_position);
  m_position = next;
  return line;
}

ScriptInputSource::ScriptInputSource(std::string_view utf8Text)
    : StringInputSource(Utf8ToWide(WithoutByteOrderMark(utf8Text))) {}

}  // namespace acadsim
