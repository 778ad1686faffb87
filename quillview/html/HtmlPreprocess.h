// The text as the layout sees it: entities replaced, line ends and tabs turned into tags. The layout starts
// every part from the body style, as if the text were wrapped in <body>; it is not, so that a "<" at the
// end of the text stays the last character, and text.
#pragma once
#include <string>

std::u16string PreprocessMarkup(std::u16string text, bool lineFeedsAsBreaks);
