#include "ui/controls/main_menu.h"

#include <algorithm>
#include <string>
#include <vector>

#include "framework/forms/screen.h"

namespace ui {

namespace {

// The shortcut that marks the line before the window list.
constexpr fw::TShortCut kWindowListMarker = 43981;
constexpr int kWindowListGroup = 205;

fw::TMenuItem* FindByShortCut(fw::TMenuItem* parent, fw::TShortCut shortCut) {
  for (int i = 0; i < parent->Count(); ++i) {
    fw::TMenuItem* item = parent->Items(i);
    if (item->ShortCut() == shortCut) return item;
    if (fw::TMenuItem* found = FindByShortCut(item, shortCut)) return found;
  }
  return nullptr;
}

}  // namespace

TVxMainMenu::TVxMainMenu(fw::TComponent* AOwner) : TStyledMenu<fw::TMainMenu>(AOwner) {}

TVxMainMenu::~TVxMainMenu() { Unhook(); }

void TVxMainMenu::Unhook() {
  if (hookedWindow_ != nullptr && IsWindow(hookedWindow_)) {
    SetWindowLongPtrA(hookedWindow_, GWLP_WNDPROC, hookedProc_);
    SetWindowLongPtrA(hookedWindow_, GWLP_USERDATA, 0);
  }
  hookedWindow_ = nullptr;
  hookedProc_ = 0;
}

HWND TVxMainMenu::FindMDIClient() {
  auto* form = dynamic_cast<fw::TCustomForm*>(Owner());
  if (form == nullptr || ComponentState().Contains(fw::csDestroying) || !form->HandleAllocated()) return nullptr;
  if (form->FormStyle() == fw::fsMDIForm) return form->ClientHandle();
  if (form->FormStyle() == fw::fsMDIChild) return GetParent(form->Handle());
  return nullptr;
}

void TVxMainMenu::Refresh() {
  const HWND client = FindMDIClient();
  if (client == nullptr) return;
  if (GetWindowLongPtrA(client, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&WindowListProc)) return;
  Unhook();
  hookedWindow_ = client;
  hookedProc_ = SetWindowLongPtrA(client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowListProc));
  SetWindowLongPtrA(client, GWLP_USERDATA, hookedProc_);
}

LRESULT CALLBACK TVxMainMenu::WindowListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto old = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message != WM_MDIREFRESHMENU) return CallWindowProcA(old, window, message, wParam, lParam);
  try {
    for (int i = 0; i < fw::Screen->FormCount(); ++i) {
      fw::TCustomForm* form = fw::Screen->Forms(i);
      if (!form->HandleAllocated() || form->Handle() != GetParent(window)) continue;
      auto* menu = dynamic_cast<TVxMainMenu*>(form->Menu());
      if (form->FormStyle() != fw::fsMDIForm || menu == nullptr || form->WindowMenu() == nullptr) return 0;
      return menu->RefreshWindowList(form);
    }
  } catch (...) {
    // A failure while listing leaves the client's own list alone.
  }
  return 0;
}

LRESULT TVxMainMenu::RefreshWindowList(fw::TCustomForm* form) {
  fw::TMenuItem* windowMenu = form->WindowMenu();
  BeginUpdate();
  fw::TMenuItem* marker = FindByShortCut(Items(), kWindowListMarker);
  if (marker == nullptr || marker->Caption() != "-") {
    marker = fw::Create<fw::TMenuItem>(this);
    marker->SetCaption("-");
    marker->SetShortCut(kWindowListMarker);
    marker->SetVisible(form->MDIChildCount() > 0);
    windowMenu->Add(marker);
  } else {
    for (int i = windowMenu->Count() - 1; i > windowMenu->IndexOf(marker); --i) windowMenu->Delete(i);
  }
  std::vector<fw::TCustomForm*> children;
  for (int i = 0; i < form->MDIChildCount(); ++i) {
    fw::TCustomForm* child = form->MDIChildren(i);
    if (!child->ComponentState().Contains(fw::csDestroying)) children.push_back(child);
  }
  std::stable_sort(children.begin(), children.end(),
                   [](fw::TCustomForm* a, fw::TCustomForm* b) { return a->Caption() < b->Caption(); });
  fw::TCustomForm* active = form->ActiveMDIChild();
  int n = 0;
  for (fw::TCustomForm* child : children) {
    auto* item = fw::Create<fw::TMenuItem>(this);
    item->SetCaption(std::to_string(++n) + " " + child->Caption());
    item->SetTag(reinterpret_cast<std::intptr_t>(child->Handle()));
    item->OnClick = [this](fw::TObject* sender) { WindowListClick(sender); };
    item->SetRadioItem(true);
    item->SetGroupIndex(kWindowListGroup);
    item->SetChecked(child == active);
    windowMenu->Add(item);
  }
  EndUpdate();
  return reinterpret_cast<LRESULT>(Handle());
}

void TVxMainMenu::WindowListClick(fw::TObject* Sender) {
  auto* item = dynamic_cast<fw::TMenuItem*>(Sender);
  if (item == nullptr || item->Tag() == 0 || hookedWindow_ == nullptr) return;
  if (SendMessageA(hookedWindow_, WM_MDIACTIVATE, static_cast<WPARAM>(item->Tag()), 0) == 0) item->SetChecked(true);
}

TCustomVxMenuStyler* TVxMainMenu::NewDefaultStyler() { return fw::Create<TVxMenuStyler>(this); }

void TVxMainMenu::StylerChanged() {
  // A font change of the styler in force refreshes the menu.
  if (TCustomVxMenuStyler* styler = GetCurrentMenuStyler()) styler->Font()->OnChange = [this](fw::TObject*) { Refresh(); };
}

void TVxMainMenu::Loaded() {
  TStyledMenu<fw::TMainMenu>::Loaded();
  if (Items()->Count() > 0) {
    // The bar is made again, so every item is measured with the handlers.
    fw::TMenuItem* first = Items()->Items(0);
    first->SetVisible(false);
    first->SetVisible(true);
  }
  Refresh();
}

// Every change makes the items again.
void TVxMainMenu::MenuChanged(fw::TObject* Sender, fw::TMenuItem* Source, bool) {
  if (Updating()) {
    InstallHandlersFor(Source);
  } else {
    Refresh();
  }
  TStyledMenu<fw::TMainMenu>::MenuChanged(Sender, Source, true);
}

void TVxMainMenu::BeginUpdate() { ++updateCount_; }

void TVxMainMenu::EndUpdate() {
  if (updateCount_ > 0) --updateCount_;
  if (updateCount_ != 0) return;
  InstallAllHandlers();
  if (WindowHandle() != nullptr) DrawMenuBar(WindowHandle());
}

}  // namespace ui
