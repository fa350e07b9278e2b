#include "ScrollTargets.h"

#include <utility>

namespace orvix {

ScrollMethod ScrollMethodForClass(const std::string& className) {
  static const std::pair<const char*, int> kKinds[] = {
      {"_WwG", 1},          {"AVL_AVView", 1},   {"EXCEL7", 2},      {"paneClassDC", 3},
      {"VISIOG", 4},        {"PSViewC", 4},      {"EditControl", 4}, {"FrontPageEditorDocumentView", 5},
      {"OGrid", 6},         {"OFormSub", 6},     {"OPrtPrevPage", 6}, {"DirectUIHWND", 7},
  };
  ScrollMethod method;
  for (const auto& [name, kind] : kKinds) {
    if (className == name) {
      method.classKind = kind;
      method.kind = kind == 2 ? ScrollKind::kArrowClicking : ScrollKind::kScrollBarParent;
      return method;
    }
  }
  method.browser = className == "MozillaWindowClass";
  return method;
}

}  // namespace orvix
