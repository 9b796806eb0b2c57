#include "platform/ui/recording_printer.h"

namespace platform::ui {

bool RecordingPrinter::beginDocument(std::string_view name) {
  if (faults.beginDocument) return false;
  documents_.push_back({std::string(name), {}, Document::State::Open});
  return true;
}

Surface* RecordingPrinter::beginPage() {
  if (faults.beginPage) return nullptr;
  const Rect printable = geometry_.printable;
  return &documents_.back().pages.emplace_back(Size{printable.width(), printable.height()});
}

bool RecordingPrinter::endPage() { return !faults.endPage; }

bool RecordingPrinter::endDocument() {
  if (faults.endDocument) {
    documents_.back().state = Document::State::Dropped;
    return false;
  }
  documents_.back().state = Document::State::Delivered;
  return true;
}

void RecordingPrinter::abortDocument() { documents_.back().state = Document::State::Dropped; }

}  // namespace platform::ui
