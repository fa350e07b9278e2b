#include "StandInMonitor_win.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

#include "InstallFiles_win.h"
#include "Messages.h"
#include "MonitorHarness_win.h"

namespace orvix::test {
namespace {

constexpr char kStandInClass[] = "OrvixTestStandInMonitor";

bool Recorded(UINT message) { return message == WM_CLOSE || (message >= WM_USER && message < 0xC000); }

}  // namespace

StandInMonitor::StandInMonitor(const ConfigRecord& config, std::string installFolder, Parts parts)
    : installFolder_(std::move(installFolder)) {
  // The monitor's order: the mutex first (it also tells that no other monitor runs).
  mutex_ = SharedBlockMutex::Create();
  if (!mutex_) throw std::runtime_error("the block's mutex exists already");
  if (parts.blockSize == sizeof(SharedDataBlock)) {
    mapping_ = SharedBlockMapping::Create();
    if (!mapping_) throw std::runtime_error("cannot create the shared block");
    const bool filled = mapping_->Exchange(*mutex_, [&](SharedDataBlock& block) {
      block.config = config;
      block.flags = ChangeFlags{};
    });
    if (!filled) throw std::runtime_error("cannot fill the shared block");
  } else {
    otherMapping_.reset(
        ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, parts.blockSize, kSharedBlockName));
    if (!otherMapping_) throw std::runtime_error("cannot create a mapping of the block's name");
  }
  // Without its mutex: ours was the only handle, so the name is gone with it.
  if (!parts.mutex) mutex_.reset();
  if (parts.window) MakeWindow();
}

void StandInMonitor::CompleteStart() {
  if (!mutex_) {
    mutex_ = SharedBlockMutex::Create();
    if (!mutex_) throw std::runtime_error("the block's mutex exists already");
  }
  if (!hwnd_) MakeWindow();
}

void StandInMonitor::MakeWindow() {
  hwnd_ = HiddenWindow(kStandInClass, &StandInMonitor::Procedure, kMonitorWindowTitle);
  if (!hwnd_) throw std::runtime_error("cannot create the stand-in monitor's window");
  ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

StandInMonitor::~StandInMonitor() {
  if (!hwnd_) return;
  ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  ::DestroyWindow(hwnd_);
}

LRESULT CALLBACK StandInMonitor::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<StandInMonitor*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self || !Recorded(message)) return ::DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_MON_APPLY_ALL) return self->OnApply(wParam, lParam);
  ReceivedMessage received;
  received.message = message;
  received.wParam = wParam;
  received.lParam = lParam;
  received.receivedAt = received.answeredAt = ::GetTickCount();
  self->received_.push_back(std::move(received));
  return 0;
}

LRESULT StandInMonitor::OnApply(WPARAM wParam, LPARAM lParam) {
  ReceivedMessage received;
  received.message = WM_MON_APPLY_ALL;
  received.wParam = wParam;
  received.lParam = lParam;
  received.receivedAt = ::GetTickCount();
  if (mapping_ && mutex_) received.block = Block();
  received.configIni = ReadWholeFile(installFolder_ + "config.ini");
  received.okEnabled = ok_ && ::IsWindowEnabled(ok_);
  received.applyEnabled = apply_ && ::IsWindowEnabled(apply_);
  const std::size_t index = received_.size();
  received_.push_back(std::move(received));

  // As the monitor's device writes take their time; the program's send does not wait.
  if (whileAnswering_) {
    const std::function<void()> work = whileAnswering_;
    work();
  }
  const DWORD elapsed = ::GetTickCount() - received_[index].receivedAt;
  if (elapsed < answerDelayMs_) PumpFor(answerDelayMs_ - elapsed);
  received_[index].answeredAt = ::GetTickCount();
  return 0;
}

int StandInMonitor::Count(UINT message) const {
  return static_cast<int>(std::count_if(received_.begin(), received_.end(),
                                        [message](const ReceivedMessage& r) { return r.message == message; }));
}

bool StandInMonitor::WaitFor(UINT message, DWORD timeoutMs, int count) {
  return PumpUntil([&] { return Count(message) >= count; }, timeoutMs);
}

const ReceivedMessage* StandInMonitor::Last(UINT message) const {
  for (auto it = received_.rbegin(); it != received_.rend(); ++it)
    if (it->message == message) return &*it;
  return nullptr;
}

std::unique_ptr<SharedDataBlock> StandInMonitor::Block() const {
  auto block = std::make_unique<SharedDataBlock>();
  if (!mapping_ || !mutex_) throw std::runtime_error("the stand-in has no block with its mutex");
  if (!mapping_->CopyIn(*mutex_, *block)) throw std::runtime_error("the block's mutex was not obtained");
  return block;
}

void StandInMonitor::Change(const std::function<void(SharedDataBlock&)>& change) const {
  if (!mapping_ || !mutex_) throw std::runtime_error("the stand-in has no block with its mutex");
  if (!mapping_->Exchange(*mutex_, change)) throw std::runtime_error("the block's mutex was not obtained");
}

std::string CompareMessages(const std::vector<ReceivedMessage>& received,
                            std::initializer_list<ExpectedMessage> expected) {
  const bool same = received.size() == expected.size() &&
                    std::equal(expected.begin(), expected.end(), received.begin(),
                               [](const ExpectedMessage& e, const ReceivedMessage& r) {
                                 return e.message == r.message && e.wParam == r.wParam && e.lParam == r.lParam;
                               });
  if (same) return "";
  std::ostringstream out;
  out << "expected:";
  for (const ExpectedMessage& e : expected) out << " {" << e.message << ", " << e.wParam << ", " << e.lParam << "}";
  out << "\nreceived:";
  for (const ReceivedMessage& r : received) out << " {" << r.message << ", " << r.wParam << ", " << r.lParam << "}";
  return out.str();
}

}  // namespace orvix::test
