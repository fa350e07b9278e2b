#include "LanguageFolders_win.h"

#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace orvix::testing {
namespace {

// The build folder: from the test environment, or, run by hand, the folder above the
// test program's "tests\".
std::filesystem::path BuildFolder() {
  if (const char* binary = std::getenv("ORVIX_BINARY_DIR")) {
    std::string windows = std::string("Z:") + binary;
    for (char& c : windows)
      if (c == '/') c = '\\';
    return windows;
  }
  wchar_t program[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameW(nullptr, program, MAX_PATH);
  return std::filesystem::path(std::wstring(program, length)).parent_path().parent_path();
}

}  // namespace

std::filesystem::path BuildInstallFolder() { return BuildFolder() / "OrvixOne"; }
std::filesystem::path FixtureFolder() { return BuildFolder() / "tests" / "language-fixtures"; }

TempInstallFolder::TempInstallFolder() {
  static std::atomic<unsigned> counter{0};
  const auto base = std::filesystem::temp_directory_path();
  do {
    root_ = base / ("orvix-language-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(counter++));
  } while (!std::filesystem::create_directory(root_));
  std::filesystem::create_directory(Help());
}

TempInstallFolder::~TempInstallFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::string TempInstallFolder::Folder() const { return root_.string() + "\\"; }

void TempInstallFolder::Install(const std::filesystem::path& from, const std::string& as) const {
  std::filesystem::copy_file(from, Help() / as, std::filesystem::copy_options::overwrite_existing);
}

void TempInstallFolder::WriteHelpFile(const std::string& name, const std::string& bytes) const {
  std::ofstream out(Help() / name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + name);
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace orvix::testing
