// A printer for headless tests: U.S. Letter at 600 device units an inch
// (kLetterAt600Dpi) with the headless font metrics, keeping each page's
// drawing on a recording surface (recording_surface.h) in device units, from
// the printable area's corner. Failures can be set for each step.
#pragma once

#include <deque>
#include <string>
#include <string_view>

#include "platform/ui/printing.h"
#include "platform/ui/recording_surface.h"

namespace platform::ui {

class RecordingPrinter final : public Printer {
 public:
  // The steps that refuse, as a printer out of paper or a full disk would.
  struct Faults {
    bool beginDocument = false;
    bool beginPage = false;
    bool endPage = false;
    bool endDocument = false;
  };
  struct Document {
    enum class State { Open, Delivered, Dropped };
    std::string name;
    std::deque<RecordingSurface> pages;
    State state = State::Open;
  };

  explicit RecordingPrinter(std::string name = "Recording printer", PageGeometry geometry = kLetterAt600Dpi)
      : name_(std::move(name)), geometry_(geometry) {}

  std::string name() const override { return name_; }
  PageGeometry geometry() const override { return geometry_; }
  bool beginDocument(std::string_view name) override;
  Surface* beginPage() override;
  bool endPage() override;
  bool endDocument() override;
  void abortDocument() override;

  // Every document begun, in order.
  const std::deque<Document>& documents() const { return documents_; }
  Faults faults;

 private:
  std::string name_;
  PageGeometry geometry_;
  std::deque<Document> documents_;
};

}  // namespace platform::ui
