// What the calculator is on the Windows desktop itself, run on Qt's Windows
// platform rather than offscreen: the About item on the window menu and the
// commands it sends, the window's icons, and the executable's icon group.
#include "DialogFixture.h"
#include "WindowWatcher.h"

#include "about/AboutDlg.h"

#include <QTest>
#include <filesystem>
#include <string>
#include <windows.h>

namespace testing_ui {
namespace {

using namespace calculator;

HWND Window(const QWidget& widget) { return reinterpret_cast<HWND>(widget.winId()); }

struct MenuItem {
  UINT type;
  UINT id;
  std::wstring text;
};

std::vector<MenuItem> SystemMenuItems(HWND window) {
  HMENU menu = GetSystemMenu(window, FALSE);
  std::vector<MenuItem> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[256] = {};
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 255;
    if (GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info))
      items.push_back({info.fType, info.wID, text});
  }
  return items;
}

class WindowsDesktop : public DialogFixture {
protected:
  void SetUp() override {
    DialogFixture::SetUp();
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("windows"))
        << "run with -platform windows";
    StartDialog();
  }
};

TEST_F(WindowsDesktop, WindowMenuEndsWithASeparatorAndTheAboutItem) {
  const std::vector<MenuItem> items = SystemMenuItems(Window(Dlg()));
  ASSERT_GE(items.size(), 3u);
  const MenuItem& separator = items[items.size() - 2];
  const MenuItem& about = items.back();
  EXPECT_TRUE(separator.type & MFT_SEPARATOR);
  EXPECT_EQ(about.id, CCalculatorDlg::AboutCommandId);
  EXPECT_EQ(about.text, L"&About Tamsik...");
  // The system's own items come first, Close among them.
  EXPECT_TRUE(std::any_of(items.begin(), items.end() - 2,
                          [](const MenuItem& item) { return item.id == SC_CLOSE; }));
}

TEST_F(WindowsDesktop, TheAboutCommandOpensTheAboutDialogAndOthersKeepTheirDefault) {
  for (const WPARAM command : {WPARAM{0x10}, WPARAM{0x1F}}) {
    SCOPED_TRACE(command);
    const auto about = WatchModal<about::CAboutDlg>([](about::CAboutDlg& dlg) { dlg.accept(); });
    SendMessageW(Window(Dlg()), WM_SYSCOMMAND, command, 0);
    Settle();
    EXPECT_EQ(about->Count(), 1);
    EXPECT_TRUE(Dlg().isVisible());
  }
  // Close is the system's own: it ends the run through the exit sequence.
  SendMessageW(Window(Dlg()), WM_SYSCOMMAND, SC_CLOSE, 0);
  Settle();
  EXPECT_FALSE(Dlg().isVisible());
}

TEST_F(WindowsDesktop, WindowHasBigAndSmallIcons) {
  for (const WPARAM size : {WPARAM{ICON_BIG}, WPARAM{ICON_SMALL}}) {
    EXPECT_NE(SendMessageW(Window(Dlg()), WM_GETICON, size, 0), 0) << size;
  }
}

// Explorer, the taskbar and shortcuts take the icon from the executable.
TEST(WindowsExecutable, CarriesTheIconAsGroup128InEveryShippedSize) {
  const std::filesystem::path exe = QUILLFEN_TAMSIK_EXE;
  HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr) << exe;
  HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(128), MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
  ASSERT_NE(group, nullptr);
  // GRPICONDIR: reserved, type 1, then the number of images.
  const auto* dir = static_cast<const WORD*>(LockResource(LoadResource(module, group)));
  ASSERT_NE(dir, nullptr);
  EXPECT_EQ(dir[1], 1);
  EXPECT_EQ(dir[2], QUILLFEN_ICON_COUNT);
  FreeLibrary(module);
}

} // namespace
} // namespace testing_ui
