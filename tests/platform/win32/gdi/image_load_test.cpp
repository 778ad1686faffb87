// LoadImageW, LoadBitmapW, CopyImage from files, module resources and data-file modules; GetWindowsDirectoryW.
#include <gtest/gtest.h>

#include <qvgdi.h>
#include <qvwide.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "../module_test_support.h"
#include "gdi_test_support.h"
#include "image_files.h"

using gditest::Canvas;

namespace {

const COLORREF kGreen = RGB(0, 255, 0);

std::vector<uint32_t> twoByTwo() { return {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}; }

COLORREF pixelOf(HBITMAP bitmap, int x, int y) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ original = SelectObject(dc, bitmap);
  COLORREF color = GetPixel(dc, x, y);
  SelectObject(dc, original);
  DeleteDC(dc);
  return color;
}

}  // namespace

TEST(LoadImageW, BitmapFromAFile) {
  std::string path = gditest::WriteTempFile("two.bmp", gditest::BmpFile(2, 2, twoByTwo()));
  auto bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, Utf8ToWide(path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  ASSERT_NE(bitmap, nullptr);
  BITMAP bm{};
  GetObjectW(bitmap, sizeof bm, &bm);
  EXPECT_EQ(bm.bmWidth, 2);
  EXPECT_EQ(bm.bmHeight, 2);
  EXPECT_EQ(bm.bmBits, nullptr);  // a device-dependent bitmap
  EXPECT_EQ(pixelOf(bitmap, 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(pixelOf(bitmap, 0, 1), RGB(0, 0, 255));
  DeleteObject(bitmap);
}

TEST(LoadImageW, CreateDibSectionGivesBits) {
  std::string path = gditest::WriteTempFile("two.bmp", gditest::BmpFile(2, 2, twoByTwo()));
  HANDLE bitmap =
      LoadImageW(nullptr, Utf8ToWide(path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  DIBSECTION ds{};
  EXPECT_EQ(GetObjectW(bitmap, sizeof ds, &ds), static_cast<int>(sizeof ds));
  EXPECT_NE(ds.dsBm.bmBits, nullptr);
  DeleteObject(bitmap);
}

TEST(LoadImageW, MissingFileFailsWithFileNotFound) {
  SetLastError(0);
  EXPECT_EQ(LoadImageW(nullptr, u"/no/such/file.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(LoadImageW(nullptr, u"/no/such/file.ico", IMAGE_ICON, 0, 0, LR_LOADFROMFILE), nullptr);
}

TEST(LoadImageW, AFolderIsNoFile) {
  SetLastError(0);
  EXPECT_EQ(LoadImageW(nullptr, u"/", IMAGE_ICON, 0, 0, LR_LOADFROMFILE), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(LoadImageW(nullptr, u"/tmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
}

TEST(LoadImageW, NotAnImageFails) {
  std::string path = gditest::WriteTempFile("bad.bmp", {'x', 'y', 'z'});
  EXPECT_EQ(LoadImageW(nullptr, Utf8ToWide(path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
}

TEST(LoadImageW, IconFromAFileWithItsMask) {
  std::vector<uint32_t> pixels(16 * 16, 0xFFFF0000);
  pixels[0] = 0;  // transparent corner
  std::string path = gditest::WriteTempFile("red.ico", gditest::IconFile(16, pixels));
  auto icon = static_cast<HICON>(LoadImageW(nullptr, Utf8ToWide(path).c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
  ASSERT_NE(icon, nullptr);
  Canvas canvas(16, 16, kGreen);
  DrawIconEx(canvas.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
  EXPECT_EQ(canvas.pixel(0, 0), kGreen);
  EXPECT_EQ(canvas.pixel(5, 5), RGB(255, 0, 0));
  DestroyIcon(icon);
  auto big = static_cast<HICON>(
      LoadImageW(nullptr, Utf8ToWide(path).c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
  ICONINFO info{};
  GetIconInfo(big, &info);
  BITMAP bm{};
  GetObjectW(info.hbmColor, sizeof bm, &bm);
  EXPECT_EQ(bm.bmWidth, 32);  // stretched to the system size
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(big);
}

TEST(LoadImageW, CursorFromAFileKeepsTheHotSpot) {
  std::vector<uint32_t> pixels(16 * 16, 0xFF000000);
  std::string path = gditest::WriteTempFile("c.cur", gditest::IconFile(16, pixels, true, 4, 7));
  auto cursor = static_cast<HCURSOR>(LoadImageW(nullptr, Utf8ToWide(path).c_str(), IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE));
  ASSERT_NE(cursor, nullptr);
  ICONINFO info{};
  GetIconInfo(cursor, &info);
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 4u);
  EXPECT_EQ(info.yHotspot, 7u);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyCursor(cursor);
}

TEST(LoadBitmapW, FromTheModulesResources) {
  HMODULE module = LoadLibraryW(TestModulePath("qvtestmod.dll").c_str());
  ASSERT_NE(module, nullptr);
  HBITMAP bitmap = LoadBitmapW(module, MAKEINTRESOURCEW(300));
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(pixelOf(bitmap, 0, 0), RGB(0x30, 0x20, 0x10));
  DeleteObject(bitmap);
  SetLastError(0);
  EXPECT_EQ(LoadBitmapW(module, MAKEINTRESOURCEW(999)), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
  SetLastError(0);
  EXPECT_EQ(LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_CURSOR, 0, 0, 0), nullptr);
  EXPECT_NE(GetLastError(), 0u);
  FreeLibrary(module);
}

TEST(LoadLibraryExW, ADataFileModuleGivesItsResources) {
  HMODULE data = LoadLibraryExW(TestModulePath("qvtestmod.dll").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(data) & 1, 1u);
  HBITMAP bitmap = LoadBitmapW(data, MAKEINTRESOURCEW(300));
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(pixelOf(bitmap, 0, 0), RGB(0x30, 0x20, 0x10));
  DeleteObject(bitmap);
  SetLastError(0);
  EXPECT_EQ(LoadCursorW(data, MAKEINTRESOURCEW(106)), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
}

TEST(LoadLibraryExW, AMissingFileFailsCleanly) {
  SetLastError(0);
  EXPECT_EQ(LoadLibraryExW(u"/no/such/folder/winhlp32.exe", nullptr, LOAD_LIBRARY_AS_DATAFILE), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
  std::string path = gditest::WriteTempFile("text.exe", {'n', 'o', 't', ' ', 'e', 'l', 'f'});
  EXPECT_EQ(LoadLibraryExW(Utf8ToWide(path).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BAD_EXE_FORMAT));
}

TEST(CopyImage, CopiesAndResizesBitmapsAndIcons) {
  const uint32_t pixels[1] = {0x00112233};
  HBITMAP bitmap = CreateBitmap(1, 1, 1, 32, pixels);
  auto copy = static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 3, 2, 0));
  BITMAP bm{};
  GetObjectW(copy, sizeof bm, &bm);
  EXPECT_EQ(bm.bmWidth, 3);
  EXPECT_EQ(bm.bmHeight, 2);
  EXPECT_EQ(pixelOf(copy, 2, 1), RGB(0x11, 0x22, 0x33));
  DeleteObject(copy);
  DeleteObject(bitmap);
  auto icon = static_cast<HICON>(CopyImage(LoadIconW(nullptr, IDI_APPLICATION), IMAGE_ICON, 16, 16, 0));
  ICONINFO info{};
  GetIconInfo(icon, &info);
  GetObjectW(info.hbmColor, sizeof bm, &bm);
  EXPECT_EQ(bm.bmWidth, 16);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(icon);
}

TEST(GetWindowsDirectoryW, DefaultsUnderTheHostsHomeAndCanBeSet) {
  WCHAR buffer[MAX_PATH] = {};
  win32sim::SetWindowsDirectory(nullptr);
  const char* home = std::getenv("ACADSIM_HOME");
  UINT length = GetWindowsDirectoryW(buffer, MAX_PATH);
  std::string expected = home && *home ? std::string(home) + "/Windows"
                                       : std::string(std::getenv("HOME")) + "/.local/share/acadsim/Windows";
  EXPECT_EQ(WideToUtf8(buffer), expected);
  EXPECT_EQ(length, expected.size());
  win32sim::SetWindowsDirectory("/machine/Windows");
  EXPECT_EQ(GetWindowsDirectoryW(buffer, MAX_PATH), 16u);
  EXPECT_EQ(std::u16string(buffer), u"/machine/Windows");
  EXPECT_EQ(GetWindowsDirectoryW(buffer, 16), 17u);  // too short: the size needed, terminator included
  EXPECT_EQ(GetWindowsDirectoryW(nullptr, 0), 17u);
  win32sim::SetWindowsDirectory(nullptr);
}

TEST(GetWindowsDirectoryW, TheHelpProgramsCursorFallsBackWhereItIsMissing) {
  win32sim::SetWindowsDirectory("/no/such/machine/Windows");
  WCHAR folder[MAX_PATH] = {};
  GetWindowsDirectoryW(folder, MAX_PATH);
  std::u16string path = std::u16string(folder) + u"\\winhlp32.exe";
  HMODULE help = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  EXPECT_EQ(help, nullptr);
  HCURSOR cursor = help ? LoadCursorW(help, MAKEINTRESOURCEW(106)) : nullptr;
  if (!cursor) cursor = LoadCursorW(nullptr, IDC_HAND);
  EXPECT_NE(cursor, nullptr);
  win32sim::SetWindowsDirectory(nullptr);
}
