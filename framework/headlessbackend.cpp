#include "headlessbackend.h"

#include <algorithm>

namespace fw {

void HeadlessBackend::showWindow(Window& window) { shown.push_back(&window); }

void HeadlessBackend::closeWindow(Window& window) {
  shown.erase(std::remove(shown.begin(), shown.end(), &window), shown.end());
}

void HeadlessBackend::runEventLoop() {}

void HeadlessBackend::yieldToEventLoop() {
  ++yields;
  if (onYield) onYield();
}

std::optional<FolderItem> HeadlessBackend::openDialog(const FileDialogRequest& request) {
  return answer(request);
}

std::optional<FolderItem> HeadlessBackend::saveDialog(const FileDialogRequest& request) {
  return answer(request);
}

std::optional<FolderItem> HeadlessBackend::answer(const FileDialogRequest& request) {
  dialogRequests.push_back(request);
  if (dialogAnswers.empty()) return std::nullopt;
  auto next = dialogAnswers.front();
  dialogAnswers.pop_front();
  return next;
}

}  // namespace fw
