// SetWindowsHookExW, UnhookWindowsHookEx, CallNextHookEx: thread hooks, newest first.
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>

#include "user/user_state.h"
#include "winbase.h"

using namespace win32::user;

namespace {

bool Supported(int type) { return type == WH_MOUSE || type == WH_KEYBOARD || type == WH_CBT || type == WH_CALLWNDPROC; }

// The chain from a hook on (or from the start): the next live hook of the type.
Hook* NextLive(int type, Hook* after) {
  auto& hooks = S().hooks;
  auto it = hooks.begin();
  if (after) {
    it = std::find_if(hooks.begin(), hooks.end(), [&](auto& h) { return h.get() == after; });
    if (it != hooks.end()) ++it;
  }
  for (; it != hooks.end(); ++it)
    if ((*it)->type == type && !(*it)->removed) return it->get();
  return nullptr;
}

LRESULT Run(Hook* hook, int code, WPARAM wParam, LPARAM lParam) {
  std::shared_ptr<Hook> keep;
  for (auto& h : S().hooks)
    if (h.get() == hook) keep = h;
  S().runningHooks.emplace_back(hook->type, hook);
  LRESULT result = hook->proc(code, wParam, lParam);
  S().runningHooks.pop_back();
  if (S().runningHooks.empty())
    std::erase_if(S().hooks, [](auto& h) { return h->removed; });
  return result;
}

}  // namespace

namespace win32::user {

// A type's chain is not entered again while one of its hooks runs, as Windows prevents hook recursion.
LRESULT CallHooks(int type, int code, WPARAM wParam, LPARAM lParam) {
  for (auto& [runningType, hook] : S().runningHooks)
    if (runningType == type) return 0;
  Hook* first = NextLive(type, nullptr);
  return first ? Run(first, code, wParam, lParam) : 0;
}

}  // namespace win32::user

extern "C" DWORD WINAPI GetCurrentThreadId(void) { return static_cast<DWORD>(syscall(SYS_gettid)); }

// Thread hooks of the calling thread only; a global hook (thread 0) needs a module, as on Windows, and
// then sees this thread's events, the only ones there are.
extern "C" HHOOK WINAPI SetWindowsHookExW(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId) {
  if (!Supported(idHook)) {
    SetLastError(ERROR_INVALID_HOOK_FILTER);
    return nullptr;
  }
  if (!proc) {
    SetLastError(ERROR_INVALID_FILTER_PROC);
    return nullptr;
  }
  if (threadId == 0 && !module) {
    SetLastError(ERROR_HOOK_NEEDS_HMOD);
    return nullptr;
  }
  if (threadId != 0 && threadId != GetCurrentThreadId()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  static uintptr_t next = 0x20000;
  next += 2;
  auto hook = std::make_shared<Hook>(Hook{reinterpret_cast<HHOOK>(next), idHook, proc});
  S().hooks.insert(S().hooks.begin(), hook);
  return hook->handle;
}

// A hook removed while it runs finishes its call; the chain from it still reaches the next hook.
extern "C" BOOL WINAPI UnhookWindowsHookEx(HHOOK hook) {
  for (auto& h : S().hooks)
    if (h->handle == hook && !h->removed) {
      h->removed = true;
      if (S().runningHooks.empty()) std::erase_if(S().hooks, [](auto& x) { return x->removed; });
      return TRUE;
    }
  SetLastError(ERROR_INVALID_HOOK_HANDLE);
  return FALSE;
}

// The hook handle is ignored, as Windows documents: the chain continues from the hook now running.
extern "C" LRESULT WINAPI CallNextHookEx(HHOOK, int code, WPARAM wParam, LPARAM lParam) {
  if (S().runningHooks.empty()) return 0;
  auto [type, current] = S().runningHooks.back();
  Hook* next = NextLive(type, current);
  return next ? Run(next, code, wParam, lParam) : 0;
}
