// Collects what the host prints on its command line while it lives.
#pragma once
#include <acadsim/CommandLine.h>
#include <string>

class CommandLineCapture {
 public:
  CommandLineCapture() : m_scope([this](std::u16string_view text) { m_text += text; }) {}
  const std::u16string& text() const { return m_text; }
  void clear() { m_text.clear(); }

 private:
  std::u16string m_text;
  acadsim::ScopedCommandLineSink m_scope;
};
