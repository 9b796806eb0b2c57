// Test support: a tariff's files built by the data-set builder into a
// temporary directory, and an engine whose current tariff is that tariff.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>

#include "common/version_number.h"
#include "common/version_text.h"
#include "engine_state/rating_engine.h"
#include "errors/engine_error.h"
#include "rating/rating.h"
#include "support/data_directory.h"

namespace vorn::testing {

class TariffData : public ::testing::Test {
 protected:
  // Builds the description (which describes the tariff in an efcrec block)
  // with the tables every engine needs, and makes the tariff current.
  void load(std::string_view description, std::string_view name = "TSTFRT01", bool raw = false) {
    data_.build(std::string(description) + "\ntds\n  entry\ntda\n  state\n", raw);
    engine_.effectivePath = data_.withSeparator();
    engine_.dataPath = data_.withSeparator();
    ASSERT_EQ(engine_.initializeEffectiveTable(), 0);
    const auto records = engine_.effective.records();
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (records[i].nameView() == name) {
        ASSERT_EQ(engine_.effective.loadTariffForEntry(i, engine_.currentTariff, EngineVersionNumber()), 0);
        return;
      }
    }
    FAIL() << "no tariff " << name;
  }
  // More files into the same directory.
  void add(std::string_view description, bool raw = false) { data_.build(description, raw); }

  void route(std::string_view origin, std::string_view destination) {
    ParsedRequest& r = rating_.request;
    r.originCode.fill(' ');
    r.destinationCode.fill(' ');
    std::memcpy(r.originCode.data(), origin.data(), std::min<std::size_t>(origin.size(), 6));
    std::memcpy(r.destinationCode.data(), destination.data(), std::min<std::size_t>(destination.size(), 6));
  }

  // The engine code a step raises, or 0 when it returns.
  template <class Step>
  static int Raised(Step&& step) {
    try {
      step();
    } catch (const EngineError& e) {
      return e.code;
    }
    return 0;
  }

  DataDirectory data_{""};
  RatingEngine engine_;
  Rating rating_;
};

}  // namespace vorn::testing
