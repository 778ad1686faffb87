// The text a TEXT or MTEXT entity shows, its codes resolved.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace acadsim::gs {

// TEXT's control codes: %%d degree, %%p plus-minus, %%c diameter, %%nnn a character by number, %%% a
// percent sign; %%u and %%o (underline and overline switches) show nothing.
std::u16string expandTextCodes(std::u16string_view stored);
// MTEXT's lines: \P and newlines break lines; formatting groups (\f, \H, \C, \A, \Q, \T, \W, \p ... up to
// their ';'), switches (\L \l \O \o \K \k) and braces show nothing; \S a^b; stacks as "a/b"; \~ is a
// no-break space; \\ \{ \} are the characters; \U+XXXX a character by its four hex digits; %% codes as in TEXT.
std::vector<std::u16string> mtextLines(std::u16string_view contents);

}  // namespace acadsim::gs
