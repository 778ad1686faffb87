// The AutoLISP function "quillview": reads and writes every setting in one call.
#pragma once

// In the current drawing, as each drawing opens and closes.
void DefineLispFunction();
void UndefineLispFunction();
// The host's kInvkSubrMsg: calls the function with that number.
void InvokeLispFunction(int functionCode);
