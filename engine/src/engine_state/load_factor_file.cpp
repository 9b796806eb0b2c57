#include "engine_state/load_factor_file.h"

#include "engine_state/rating_engine.h"
#include "formats/factor_file.h"

namespace vorn {

std::int16_t LoadFactorFile(RatingEngine& engine, ClassBreakWork& core) {
  if (const std::int16_t c = engine.files.open(engine, 'F'); c != 0) return c;
  FactorFileContext context;
  const CurrentTariff& t = engine.currentTariff;
  context.tariffType = t.ratedType();
  context.tariffLetter = t.letter;
  context.kind = t.kind;
  context.lightEditionCode = engine.lightEditionCode;
  return ReadFactorFile(engine.files.factorText(), context, core, engine.factors, engine.parameters);
}

}  // namespace vorn
