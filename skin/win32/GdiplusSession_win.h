// GDI+ started for a scope. The program holds one for its whole run; the picture loaders
// hold their own as well, so that they also work before or without it (GDI+ counts them).
#pragma once

#include <windows.h>

#include <cstdint>

namespace orvix {

class GdiplusSession {
 public:
  GdiplusSession();
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  ~GdiplusSession();

  bool started() const { return token_ != 0; }

 private:
  ULONG_PTR token_ = 0;
};

}  // namespace orvix
