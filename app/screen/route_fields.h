// The rating screen's own fields and windows of the route entry: the origin
// and destination ZIP fields (their Validate is the route's check), the
// list of fixed origin points that takes the origin field's place, and the
// invisible windows that the focus passes through (the tab-stop sentinel
// after the destination, the entry-end sentinel after the line list, a
// focus-forward window that hands the focus on to its partner).
#pragma once

#include <functional>
#include <string>

#include "fields/zip_edit.h"
#include "platform/ui/window_object.h"

namespace qiv {

class RatingDialog;

class OriginZipField final : public CZipEdit {
 public:
  OriginZipField(QivSession& session, RatingDialog& screen) : CZipEdit(session), screen_(screen) {}
  bool validate() override;

 private:
  RatingDialog& screen_;
};

class DestinationZipField final : public CZipEdit {
 public:
  DestinationZipField(QivSession& session, RatingDialog& screen) : CZipEdit(session), screen_(screen) {}
  bool validate() override;

 private:
  RatingDialog& screen_;
};

// The origin as a drop-down list of fixed points (dialog item 1018, its
// edit item 1001), in place of the origin field when the level offers
// fixed origins. Its Validate checks the selected point.
class OriginPointCombo final : public platform::ui::Window {
 public:
  OriginPointCombo(QivSession& session, RatingDialog& screen) : session_(session), screen_(screen) {}
  // Subclasses the dialog's item once: true when attached already, false
  // when the dialog has no such item.
  bool attachItem(int id, platform::ui::WindowHandle dialog);
  bool validate();
  // The selected point's text; empty when none is selected.
  std::string selectedText() const;
  void selectWholeText() const;
  const platform::ui::Rect& itemRect() const { return itemRect_; }

 protected:
  void onSetFocus(const platform::ui::FocusEvent& event) override;
  void onKillFocus(const platform::ui::FocusEvent& event) override;

 private:
  QivSession& session_;
  RatingDialog& screen_;
  platform::ui::Rect itemRect_;
};

// A 1 x 1 child window with a tab stop (id 0xFFFF) that runs its handler
// when it gets the focus.
class FocusSentinel : public platform::ui::Window {
 public:
  explicit FocusSentinel(std::function<void()> onFocus) : onFocus_(std::move(onFocus)) {}
  // Created in the parent's window order directly after the window.
  bool createAfter(platform::ui::WindowHandle parent, platform::ui::WindowHandle after);
  platform::ui::WindowHandle partner = nullptr;

 protected:
  void onSetFocus(const platform::ui::FocusEvent&) override;

 private:
  std::function<void()> onFocus_;
};

}  // namespace qiv
