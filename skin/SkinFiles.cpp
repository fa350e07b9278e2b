// Skin file names and the fall-back order of the art scales.
#include "SkinFiles.h"

#include <algorithm>
#include <cstdlib>

#include "DpiScale.h"

namespace orvix {

std::string StateImageFile(std::string_view installFolder, std::string_view dialog, SkinState state, int percent) {
  std::string name(dialog);
  name += '_';
  name += StateFileName(state);
  return PictureFile(installFolder, name, percent);
}

std::string PictureFile(std::string_view installFolder, std::string_view name, int percent) {
  std::string path(installFolder);
  path += "Skin\\";
  path += name;
  path += '@';
  path += std::to_string(percent);
  path += ".png";
  return path;
}

std::vector<int> ArtPercentsToTry(int wantedPercent) {
  std::vector<int> order(std::begin(DpiScale::kArtPercents), std::end(DpiScale::kArtPercents));
  std::stable_sort(order.begin(), order.end(), [wantedPercent](int a, int b) {
    int da = std::abs(a - wantedPercent), db = std::abs(b - wantedPercent);
    return da != db ? da < db : a > b;
  });
  return order;
}

}  // namespace orvix
