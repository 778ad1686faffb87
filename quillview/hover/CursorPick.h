// The cursor pick: the description of the drawing object under the cursor, as the scope window shows it.
#pragma once
#include <afxstr.h>

// Appends the description (with "*" in front for a nested pick) to text; true when text is not empty.
bool DescribeUnderCursor(CString& text);
