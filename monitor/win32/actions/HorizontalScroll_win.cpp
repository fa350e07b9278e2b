#include "HorizontalScroll_win.h"

#include <objbase.h>
#include <oleauto.h>

#include <string>

#include "Messages.h"
#include "ProcAddress_win.h"
#include "WinHandles.h"
#include "actions/ScrollTargets.h"

namespace orvix {
namespace {

std::string ClassOf(HWND w) {
  char name[256] = {};
  if (!w || !::GetClassNameA(w, name, sizeof name)) return {};
  return name;
}

POINT Cursor() {
  POINT p{};
  ::GetCursorPos(&p);
  return p;
}

bool HasProgmanAncestor(HWND w) {
  for (HWND a = ::GetParent(w); a; a = ::GetParent(a))
    if (ClassOf(a) == "Progman") return true;
  return false;
}

bool IsDesktopIconView(HWND w) { return ClassOf(w) == "SysListView32" && HasProgmanAncestor(w); }

bool IsScrollCandidate(HWND w) { return w && w != ::GetDesktopWindow() && !IsDesktopIconView(w); }

bool IsHorizontalBar(HWND w) {
  const std::string cls = ClassOf(w);
  if (cls == "Internet Explorer_Server") return true;
  if (cls != "ScrollBar" && cls != "NUIScrollbar") return (::GetWindowLongA(w, GWL_STYLE) & WS_HSCROLL) != 0;
  RECT r{};
  ::GetWindowRect(w, &r);
  return r.right - r.left > r.bottom - r.top && Cursor().x < r.right;
}

// An Acrobat-style scroll-bar container whose first child is a horizontal "ScrollBar".
HWND AcrobatBar(HWND s) {
  if (ClassOf(s) != "AVL_AVScrollBar") return nullptr;
  HWND child = ::GetWindow(s, GW_CHILD);
  if (ClassOf(child) != "ScrollBar") return nullptr;
  const LONG style = ::GetWindowLongA(child, GWL_STYLE);
  return (style & 0x1) || (style & 0x8) ? nullptr : child;
}

HWND FindSiblingBar(HWND w);

HWND FindInChildren(HWND w) {
  HWND c = ::GetWindow(w, GW_CHILD);
  if (!c) return nullptr;
  if (IsHorizontalBar(c)) return c;
  return FindSiblingBar(c);
}

HWND FindSiblingBar(HWND w) {
  for (HWND s = ::GetWindow(w, GW_HWNDNEXT); s; s = ::GetWindow(s, GW_HWNDNEXT)) {
    if (HWND bar = AcrobatBar(s)) return bar;
    const std::string cls = ClassOf(s);
    if ((cls == "ScrollBar" || cls == "NUIScrollbar") && IsHorizontalBar(s)) return s;
  }
  for (HWND s = ::GetWindow(w, GW_HWNDPREV); s; s = ::GetWindow(s, GW_HWNDPREV)) {
    if (HWND bar = AcrobatBar(s)) return bar;
    const std::string cls = ClassOf(s);
    if (cls == "ScrollBar" && IsHorizontalBar(s)) return s;
    if (cls == "AfxWnd70" || cls == "AfxWnd42")
      if (HWND found = FindInChildren(s)) return found;
  }
  return nullptr;
}

struct BarSearch {
  RECT extent;
  HWND found;
};

BOOL CALLBACK FindBarInExtent(HWND child, LPARAM parameter) {
  auto* search = reinterpret_cast<BarSearch*>(parameter);
  const std::string cls = ClassOf(child);
  if ((cls != "ScrollBar" && cls != "NUIScrollbar") || !IsHorizontalBar(child)) return TRUE;
  RECT r{};
  ::GetWindowRect(child, &r);
  if (r.left >= search->extent.left - 25 && r.right <= search->extent.right + 25) {
    search->found = child;
    return FALSE;
  }
  return TRUE;
}

void ClickArrows(HWND target, int direction, int count) {
  RECT r{};
  ::GetWindowRect(target, &r);
  const POINT saved = Cursor();
  const POINT arrow = direction > 0 ? POINT{r.left + 5, r.top + 5} : POINT{r.right - 5, r.top + 5};
  ::SetCursorPos(arrow.x, arrow.y);
  const bool swapped = ::GetSystemMetrics(SM_SWAPBUTTON) != 0;
  const DWORD down = swapped ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  const DWORD up = swapped ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  for (int i = 0; i < count; ++i) {
    ::mouse_event(MOUSEEVENTF_ABSOLUTE | down, 0, 0, 0, 0);
    ::mouse_event(MOUSEEVENTF_ABSOLUTE | up, 0, 0, 0, 0);
  }
  ::SetCursorPos(saved.x, saved.y);
}

}  // namespace

HWND FindHorizontalTarget(HWND w) {
  if (!IsScrollCandidate(w)) return nullptr;
  POINT p = Cursor();
  ::ScreenToClient(w, &p);
  HWND c = ::ChildWindowFromPoint(w, p);
  if (!c) c = w;
  const std::string cls = ClassOf(c);
  HWND result = cls == "MozillaWindowClass" ? ::GetParent(c) : (IsHorizontalBar(c) ? c : nullptr);
  if (cls != "ScrollBar") {
    if (result) return result;
    if (HWND found = FindInChildren(c)) return found;
    if (HWND found = FindSiblingBar(c)) return found;
  }
  if (result) return result;
  if (cls != "paneClassDC" && cls != "VISIOG" && cls != "DirectUIHWND") return nullptr;
  BarSearch search{};
  ::GetWindowRect(c, &search.extent);
  ::EnumChildWindows(::GetParent(c), &FindBarInExtent, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void HorizontalScroll(int direction, int count, HWND monitorWindow) {
  HWND w = ::WindowFromPoint(Cursor());
  if (!w || w == ::GetDesktopWindow() || IsDesktopIconView(w)) return;
  const std::string cls = ClassOf(w);
  const ScrollMethod method = ScrollMethodForClass(cls);
  HWND target = FindHorizontalTarget(w);
  if (!target) return;
  const bool left = direction > 0;

  if (method.kind == ScrollKind::kArrowClicking) {
    ClickArrows(target, direction, count);
    return;
  }
  if (count <= 0) return;
  if (method.kind == ScrollKind::kScrollBarParent) {
    for (int i = 0; i < count; ++i)
      ::PostMessageA(::GetParent(target), WM_HSCROLL, left ? SB_LINELEFT : SB_LINERIGHT,
                     reinterpret_cast<LPARAM>(target));
    return;
  }
  if (method.browser) {
    for (int i = 0; i < count; ++i) {
      ::PostMessageA(target, WM_KEYDOWN, left ? 0x25 : 0x27, left ? 0x014B0001 : 0x014D0001);
      ::PostMessageA(target, WM_KEYUP, left ? 0x25 : 0x27, left ? 0xC14B0001 : 0xC14D0001);
    }
    return;
  }
  if (cls == "Internet Explorer_Server") {
    // The page's own scrolling goes through COM across processes: done outside this handler.
    ::PostMessageA(monitorWindow, WM_MON_TILT_SCROLL, static_cast<WPARAM>(count), left ? 1 : 0);
    return;
  }
  for (int i = 0; i < count; ++i) {
    if (left)
      ::PostMessageA(w, WM_HSCROLL, SB_LINELEFT, 0);
    else
      ::SendMessageA(w, WM_HSCROLL, SB_LINERIGHT, 0);
  }
}

void ScrollHtmlView(int count, bool left) {
  HWND w = ::WindowFromPoint(Cursor());
  ModuleHandle oleacc(::LoadLibraryA("OLEACC.DLL"));
  if (!oleacc || ClassOf(w) != "Internet Explorer_Server") return;

  const UINT getObject = ::RegisterWindowMessageA("WM_HTML_GETOBJECT");
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutA(w, getObject, 0, 0, SMTO_ABORTIFHUNG, 1000, &result)) return;
  using ObjectFromLresultFn = HRESULT WINAPI(LRESULT, REFIID, WPARAM, void**);
  auto objectFromLresult = ProcAddress<ObjectFromLresultFn>(oleacc.get(), "ObjectFromLresult");
  if (!objectFromLresult) return;

  // IHTMLDocument2 and IHTMLWindow2, used through IDispatch so that no MSHTML headers are needed.
  static const IID kHtmlDocument2 = {0x332C4425, 0x26CB, 0x11D0, {0xB4, 0x83, 0x00, 0xC0, 0x4F, 0xD9, 0x01, 0x19}};
  IDispatch* document = nullptr;
  if (FAILED(objectFromLresult(static_cast<LRESULT>(result), kHtmlDocument2, 0, reinterpret_cast<void**>(&document))) ||
      !document)
    return;

  bool scrolled = false;
  VARIANT window;
  ::VariantInit(&window);
  DISPPARAMS none{};
  DISPID parentWindow = 0;
  OLECHAR parentWindowName[] = L"Script";  // the document's script object is its window
  LPOLESTR parentWindowNames[] = {parentWindowName};
  if (SUCCEEDED(document->GetIDsOfNames(IID_NULL, parentWindowNames, 1, LOCALE_USER_DEFAULT, &parentWindow)) &&
      SUCCEEDED(document->Invoke(parentWindow, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &window,
                                 nullptr, nullptr)) &&
      window.vt == VT_DISPATCH && window.pdispVal) {
    DISPID scrollBy = 0;
    OLECHAR scrollByName[] = L"scrollBy";
    LPOLESTR scrollByNames[] = {scrollByName};
    if (SUCCEEDED(window.pdispVal->GetIDsOfNames(IID_NULL, scrollByNames, 1, LOCALE_USER_DEFAULT, &scrollBy))) {
      VARIANT arguments[2];  // in reverse order: y, then x
      ::VariantInit(&arguments[0]);
      ::VariantInit(&arguments[1]);
      arguments[0].vt = VT_I4;
      arguments[0].lVal = 0;
      arguments[1].vt = VT_I4;
      arguments[1].lVal = (left ? -10 : 10) * count;
      DISPPARAMS parameters{arguments, nullptr, 2, 0};
      scrolled = SUCCEEDED(window.pdispVal->Invoke(scrollBy, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                                   &parameters, nullptr, nullptr, nullptr));
    }
  }
  ::VariantClear(&window);
  document->Release();

  if (!scrolled)
    for (int i = 0; i < count; ++i) ::SendMessageA(w, WM_HSCROLL, left ? SB_LINELEFT : SB_LINERIGHT, 0);
}

}  // namespace orvix
