// The window classes of the toolkit's own controls, and the common controls they use,
// registered once per process.
#pragma once

#include <windows.h>

namespace orvix {

inline constexpr wchar_t kSliderClass[] = L"OrvixSkinSlider";
inline constexpr wchar_t kNumberBoxClass[] = L"OrvixSkinNumberBox";
inline constexpr wchar_t kPictureClass[] = L"OrvixSkinPicture";
inline constexpr wchar_t kMenuOwnerClass[] = L"OrvixSkinMenuOwner";

// Registers the classes (plain DefWindowProcW classes; the controls subclass them) and
// initialises the common controls. Safe to call any number of times.
bool EnsureSkinClasses();

}  // namespace orvix
