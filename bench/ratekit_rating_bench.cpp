// What Ratekit32 adds to a rating: RateShipment over the sample shipments
// (request built from the RatingContext, engine call, results copied back)
// against the engine's Vorn_RateShipment2Ex alone on the very requests
// RateShipment sends, on one thread (Ratekit32 serves one user). Both walk
// the shipments in the same order; every answer is compared with the
// other's, a difference ends the run with an error. A third run rates
// through a fake engine that gives the engine's answers at once: Ratekit32's
// own work.
//   build/bench/ratekit_rating_bench [--benchmark_... options]
#include <benchmark/benchmark.h>

#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "engine/engine_connection.h"
#include "ratekit/ratekit32.h"
#include "rating/lane_files.h"
#include "rating/shipment_request.h"
#include "support/test_context.h"

namespace {

using namespace ratekit;

constexpr const char* kShipments[] = {"atlanta_to_charlotte", "clinton_to_boston", "columbus_small",
                                      "lebanon_to_manhattan", "ny_to_chicago",     "savannah_to_charlotte",
                                      "toronto_to_dallas"};

struct Shipment {
  std::unique_ptr<testing::TestContext> context;
  int lines = 0;
  vorn::ShipmentRecord request;  // what RateShipment sends for it
  std::string answer;            // what the engine answers
};

struct Bench {
  std::unique_ptr<testing::TestContext> connection, fakeConnection;
  std::unique_ptr<testing::LoadedModule> engine, fake;
  std::vector<Shipment> shipments;
};

Bench& State() {
  static Bench bench;
  return bench;
}

// Ratekit32's one connection, to the engine of the context's module slot.
void ConnectTo(testing::TestContext& context) {
  if (GetZQAddresses(context.data(), nullptr) != 1 || InitializeZQdll(context.data()) != 1)
    throw std::runtime_error("Ratekit32 does not connect to the engine");
}

void Connect(Bench& b) {
  b.connection = std::make_unique<testing::TestContext>();
  b.connection->useData(testing::SampleData());
  b.engine = std::make_unique<testing::LoadedModule>(*b.connection, testing::EngineLibrary());
  b.fakeConnection = std::make_unique<testing::TestContext>();
  b.fakeConnection->useData(testing::SampleData());
  b.fake = std::make_unique<testing::LoadedModule>(*b.fakeConnection, testing::FakeEngineLibrary());
  ConnectTo(*b.connection);
  for (const char* name : kShipments) {
    Shipment s;
    s.context = std::make_unique<testing::TestContext>();
    s.context->useData(testing::SampleData());
    s.lines = s.context->setSampleShipment(name);
    s.context->setInt(context::kCanadaFlag, std::string_view(name) == "toronto_to_dallas" ? 1 : 0);
    if (RateShipment(s.context->data(), s.lines, nullptr) != 0)
      throw std::runtime_error(std::string(name) + " is not rated");
    s.answer = std::string(Engine().request.chars(), vorn::kShipmentRecordSize);
    s.request = Engine().request;  // the bytes a request leaves as they are
    RatingContextView record = s.context->view();
    BuildShipmentRequest(record, s.lines, IsNoDiscountLane(record), s.request);
    b.shipments.push_back(std::move(s));
  }
}

void RatekitRateShipment(benchmark::State& state) {
  Bench& b = State();
  ConnectTo(*b.connection);
  std::size_t next = 0;
  bool same = true;
  for (auto _ : state) {
    Shipment& s = b.shipments[next];
    benchmark::DoNotOptimize(RateShipment(s.context->data(), s.lines, nullptr));
    same = same && std::memcmp(Engine().request.chars(), s.answer.data(), s.answer.size()) == 0;
    next = next + 1 == b.shipments.size() ? 0 : next + 1;
  }
  if (!same) state.SkipWithError("an answer differs from the first rating's");
  state.counters["ratings_per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void EngineAlone(benchmark::State& state) {
  Bench& b = State();
  ConnectTo(*b.connection);
  EngineConnection& e = Engine();
  std::size_t next = 0;
  bool same = true;
  for (auto _ : state) {
    Shipment& s = b.shipments[next];
    std::memcpy(e.request.data(), s.request.data(), vorn::kShipmentRecordSize);
    e.entry.rateShipment(e.handle, e.request.chars(), e.firstBlock->data());
    same = same && std::memcmp(e.request.chars(), s.answer.data(), s.answer.size()) == 0;
    next = next + 1 == b.shipments.size() ? 0 : next + 1;
  }
  if (!same) state.SkipWithError("an answer differs from RateShipment's");
  state.counters["ratings_per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// The fake engine answers each request with the engine's answer to it, so
// the results are copied back as after a real rating; it keeps no request:
// its own bookkeeping is not timed.
void RatekitOwnWork(benchmark::State& state) {
  Bench& b = State();
  ConnectTo(*b.fakeConnection);
  std::size_t next = 0;
  testing::FakeEngineControl& fake = b.fake->fake();
  fake.keepRequests = false;
  fake.rate = [&b, &next](char* record, void*, int) {
    std::memcpy(record, b.shipments[next].answer.data(), vorn::kShipmentRecordSize);
  };
  for (auto _ : state) {
    Shipment& s = b.shipments[next];
    benchmark::DoNotOptimize(RateShipment(s.context->data(), s.lines, nullptr));
    next = next + 1 == b.shipments.size() ? 0 : next + 1;
  }
  fake.rate = nullptr;
  state.counters["ratings_per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  try {
    Connect(State());
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  benchmark::RegisterBenchmark("Rating/Vorn_RateShipment2Ex", EngineAlone)->UseRealTime();
  benchmark::RegisterBenchmark("Rating/RateShipment", RatekitRateShipment)->UseRealTime();
  benchmark::RegisterBenchmark("Rating/RateShipmentOnAFakeEngine", RatekitOwnWork)->UseRealTime();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
