// GetWindowRect, GetClientRect, ClientToScreen, ScreenToClient, MapWindowPoints, SetWindowPos, MoveWindow,
// GetWindow, WindowFromPoint, ChildWindowFromPoint.
#include "user_test_support.h"

using namespace usertest;

namespace {

class Geometry : public UserTest {};
class ZOrder : public UserTest {};
class HitTesting : public UserTest {};

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

}  // namespace

TEST_F(Geometry, BorderTakesOnePixelEachSide) {
  HWND w = Popup({10, 20, 110, 70}, WS_VISIBLE | WS_BORDER);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_TRUE(Same(r, {10, 20, 110, 70}));
  GetClientRect(w, &r);
  EXPECT_TRUE(Same(r, {0, 0, 98, 48}));
  POINT p{0, 0};
  ClientToScreen(w, &p);
  EXPECT_EQ(p.x, 11);
  EXPECT_EQ(p.y, 21);
  ScreenToClient(w, &p);
  EXPECT_EQ(p.x, 0);
}

TEST_F(Geometry, CaptionTakesItsHeight) {
  HWND w = Popup({0, 0, 100, 100}, WS_VISIBLE | WS_CAPTION);
  RECT r;
  GetClientRect(w, &r);
  EXPECT_EQ(r.bottom, 100 - 2 - GetSystemMetrics(SM_CYCAPTION));
}

TEST_F(Geometry, ChildrenAreInTheParentsClientCoordinates) {
  HWND parent = Popup({100, 100, 300, 300}, WS_VISIBLE | WS_BORDER);
  HWND child = Child(parent, {10, 10, 60, 40});
  RECT r;
  GetWindowRect(child, &r);
  EXPECT_TRUE(Same(r, {111, 111, 161, 141}));
  POINT pts[2] = {{0, 0}, {5, 5}};
  int offset = MapWindowPoints(child, parent, pts, 2);
  EXPECT_EQ(pts[0].x, 10);
  EXPECT_EQ(pts[1].y, 15);
  EXPECT_EQ(LOWORD(offset), 10);
  POINT back{0, 0};
  MapWindowPoints(nullptr, child, &back, 1);
  EXPECT_EQ(back.x, -111);
}

TEST_F(Geometry, MoveAndSizeSendTheirMessages) {
  HWND w = Popup({0, 0, 50, 50});
  Log().clear();
  MoveWindow(w, 5, 6, 70, 80, TRUE);
  EXPECT_EQ(Count(w, WM_MOVE), 1);
  EXPECT_EQ(Count(w, WM_SIZE), 1);
  Log().clear();
  SetWindowPos(w, nullptr, 9, 9, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(Count(w, WM_MOVE), 1);
  EXPECT_EQ(Count(w, WM_SIZE), 0);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_TRUE(Same(r, {9, 9, 79, 89}));
}

TEST_F(ZOrder, NewWindowsGoOnTop) {
  HWND a = Popup({0, 0, 10, 10});
  HWND b = Popup({0, 0, 10, 10});
  EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), a);
  EXPECT_EQ(GetWindow(a, GW_HWNDPREV), b);
  EXPECT_EQ(GetWindow(GetDesktopWindow(), GW_CHILD), b);
}

TEST_F(ZOrder, TopmostStaysAboveAndSetsTheStyle) {
  HWND a = Popup({0, 0, 10, 10});
  SetWindowPos(a, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_NE(GetWindowLongW(a, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  HWND b = Popup({0, 0, 10, 10});
  EXPECT_EQ(GetWindow(GetDesktopWindow(), GW_CHILD), a);
  SetWindowPos(b, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(GetWindow(GetDesktopWindow(), GW_CHILD), a);
  SetWindowPos(a, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(GetWindowLongW(a, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(GetWindow(GetDesktopWindow(), GW_CHILD), a);
}

TEST_F(ZOrder, BottomAndAfter) {
  HWND a = Popup({0, 0, 10, 10});
  HWND b = Popup({0, 0, 10, 10});
  HWND c = Popup({0, 0, 10, 10});
  SetWindowPos(c, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(GetWindow(a, GW_HWNDLAST), c);
  SetWindowPos(c, b, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), c);
}

TEST_F(ZOrder, OwnedWindowsRiseWithTheirOwner) {
  HWND owner = Popup({0, 0, 10, 10});
  HWND owned = Popup({0, 0, 10, 10}, WS_VISIBLE, 0, owner);
  Popup({0, 0, 10, 10});
  SetActiveWindow(owner);
  EXPECT_EQ(GetWindow(GetDesktopWindow(), GW_CHILD), owned);
  EXPECT_EQ(GetWindow(owned, GW_HWNDNEXT), owner);
}

TEST_F(HitTesting, TopOfZOrderDeepestChild) {
  HWND back = Popup({0, 0, 200, 200});
  HWND front = Popup({50, 50, 150, 150});
  HWND child = Child(front, {10, 10, 40, 40});
  EXPECT_EQ(WindowFromPoint({5, 5}), back);
  EXPECT_EQ(WindowFromPoint({55, 55}), front);
  EXPECT_EQ(WindowFromPoint({65, 65}), child);
  EXPECT_EQ(WindowFromPoint({500, 500}), nullptr);
}

TEST_F(HitTesting, HiddenDisabledAndTransparentArePassedOver) {
  HWND back = Popup({0, 0, 200, 200});
  HWND hidden = Popup({0, 0, 100, 100}, 0);
  HWND see = Popup({0, 0, 100, 100}, WS_VISIBLE, WS_EX_TRANSPARENT);
  HWND child = Child(back, {0, 0, 50, 50}, WS_VISIBLE | WS_DISABLED);
  EXPECT_NE(hidden, nullptr);
  EXPECT_NE(see, nullptr);
  EXPECT_NE(child, nullptr);
  EXPECT_EQ(WindowFromPoint({10, 10}), back);
  ShowWindow(hidden, SW_SHOWNA);
  EXPECT_EQ(WindowFromPoint({10, 10}), hidden);
}

TEST_F(HitTesting, TopmostWinsOverNewer) {
  HWND top = Popup({0, 0, 100, 100}, WS_VISIBLE, WS_EX_TOPMOST);
  Popup({0, 0, 100, 100});
  EXPECT_EQ(WindowFromPoint({10, 10}), top);
}

TEST_F(HitTesting, ChildWindowFromPointLooksOneLevelIncludingHidden) {
  HWND parent = Popup({100, 100, 300, 300});
  HWND hidden = Child(parent, {0, 0, 50, 50}, 0);
  Child(hidden, {0, 0, 10, 10});
  EXPECT_EQ(ChildWindowFromPoint(parent, {5, 5}), hidden);
  EXPECT_EQ(ChildWindowFromPoint(parent, {100, 100}), parent);
  EXPECT_EQ(ChildWindowFromPoint(parent, {500, 5}), nullptr);
}

TEST_F(HitTesting, VisibilityIncludesTheParents) {
  HWND parent = Popup({0, 0, 100, 100}, 0);
  HWND child = Child(parent, {0, 0, 10, 10});
  EXPECT_FALSE(IsWindowVisible(child));
  ShowWindow(parent, SW_SHOWNA);
  EXPECT_TRUE(IsWindowVisible(child));
}
