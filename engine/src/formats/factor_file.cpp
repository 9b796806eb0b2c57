#include "formats/factor_file.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

#include "common/text_routines.h"
#include "errors/engine_codes.h"
#include "formats/parameter_line.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/file.h"
#include "platform/kernel/fixed_format.h"

namespace vorn {
namespace {

constexpr std::size_t kLineLength = 255;  // a 256-byte buffer holds 255 characters

std::uint32_t ParseUnsigned(std::string_view token) {
  return static_cast<std::uint32_t>(platform::LeadingDigits(token, std::numeric_limits<std::int32_t>::max()).value);
}

class FactorReader {
 public:
  FactorReader(std::string_view text, const FactorFileContext& context, TariffClassesAndBreaks& core,
               TariffFactors& factors, ParameterTable& parameters)
      : lines_(platform::SplitLines(text)),
        context_(context),
        core_(core),
        factors_(factors),
        parameters_(parameters) {}

  std::int16_t readFactorsDigit();
  // Applies the parameter lines left after the last data line.
  void applyRemainingParameters() {
    while (nextData()) {}
  }
  std::int16_t readFactorsLetter();

 private:
  // The next data line's tokens, applying the parameter lines before it;
  // nothing at the end of the file.
  std::optional<std::vector<std::string_view>> nextData();
  std::optional<std::uint32_t> nextCount() {
    auto tokens = nextData();
    if (!tokens) return std::nullopt;
    return tokens->empty() ? 0u : ParseUnsigned(tokens->front());
  }
  void applyParameter(std::string_view line);
  void setClass(std::size_t index, std::string_view token);
  void resetSection();

  std::vector<std::string_view> lines_;
  std::size_t next_ = 0;
  const FactorFileContext& context_;
  TariffClassesAndBreaks& core_;
  TariffFactors& factors_;
  ParameterTable& parameters_;
  bool cityAddOnsOn_ = true;
  std::int16_t parameterError_ = 0;
};

std::optional<std::vector<std::string_view>> FactorReader::nextData() {
  while (next_ < lines_.size()) {
    std::string_view line = lines_[next_++];
    line = line.substr(0, std::min(line.size(), kLineLength));
    if (line.size() >= 2 && line[0] == '*') {
      applyParameter(line);
    } else if (!line.empty() && line[0] == ' ') {
      return SplitTokens(line, " \t");
    }
  }
  return std::nullopt;
}

void FactorReader::applyParameter(std::string_view line) {
  const std::optional<ParameterLine> parameter = ParseParmLine(line, parameters_);
  if (!parameter) return;
  const std::string_view value = parameter->values.front();
  switch (parameter->index) {
    case ParameterTable::kBrks:
    case ParameterTable::kBrk2:
      (parameter->index == ParameterTable::kBrks ? factors_.breakList : factors_.breakList2) =
          ParseBreakList(parameter->values);
      parameters_.setChars(parameter->index, value);
      return;
    case ParameterTable::kHcity: {
      if (!cityAddOnsOn_) return;
      if (factors_.cityAddOns.size() == kMaxCityAddOns) {
        parameterError_ = code::kTooManyCityAddOns;
        return;
      }
      const std::int32_t first = platform::FieldToInteger(value);
      const std::int32_t second = parameter->values.size() > 1 ? platform::FieldToInteger(parameter->values[1]) : 0;
      factors_.cityAddOns.push_back({first, second});
      parameters_.setInteger(parameter->index, first);
      return;
    }
    case ParameterTable::kNcity: {
      const std::array<char, 2> code{value[0], value.size() > 1 ? value[1] : ' '};
      cityAddOnsOn_ = code == context_.lightEditionCode;
      if (cityAddOnsOn_) factors_.cityAddOnCode = code;
      parameters_.setChars(parameter->index, value.substr(0, 2));
      return;
    }
    default: StoreParameterValue(parameters_, parameter->index, value); return;
  }
}

void FactorReader::setClass(std::size_t index, std::string_view token) {
  std::array<char, 6>& slot = core_.classCodes[index];
  slot.fill('\0');
  // (a blank class line leaves the code empty)
  token.copy(slot.data(), context_.tariffType == '0' && context_.tariffLetter == 'P' ? 3 : 5);
}

std::int16_t FactorReader::readFactorsDigit() {
  const std::optional<std::uint32_t> sets = nextCount();
  if (!sets) return 0;
  factors_.setCount = static_cast<std::int16_t>(std::min<std::uint32_t>(*sets, kMaxSets));
  for (std::int16_t s = 0; s < factors_.setCount; ++s) {
    const std::optional<std::uint32_t> number = nextCount();
    if (!number) return 0;
    factors_.setNumbers[static_cast<std::size_t>(s)] = static_cast<std::int16_t>(*number);
  }
  const std::optional<std::uint32_t> classes = nextCount();
  if (!classes) return 0;
  const std::size_t classCount = std::min<std::size_t>(*classes, kMaxClasses);
  for (std::size_t c = 0; c < classCount; ++c) {
    auto tokens = nextData();
    if (!tokens) return 0;
    setClass(c, tokens->empty() ? std::string_view() : tokens->front());
    core_.classCount = static_cast<std::int16_t>(c + 1);
  }
  const std::optional<std::uint32_t> breaks = nextCount();
  if (!breaks) return 0;
  const std::size_t breakCount = std::min<std::size_t>(*breaks, kMaxBreaks);
  std::vector<std::int32_t> descending;
  for (std::size_t b = 0; b < breakCount; ++b) {
    const std::optional<std::uint32_t> weight = nextCount();
    if (!weight) break;
    descending.push_back(static_cast<std::int32_t>(*weight));
  }
  core_.breakCount = static_cast<std::int16_t>(descending.size());
  for (std::size_t b = 0; b < descending.size(); ++b) core_.breakWeights[b] = descending[descending.size() - 1 - b];
  // The factor table, then the break table, each in the order of the lists
  // above (a break's factor line stands where its weight stood).
  for (std::int16_t s = 0; s < factors_.setCount; ++s) {
    for (std::size_t c = 0; c < static_cast<std::size_t>(core_.classCount); ++c) {
      auto tokens = nextData();
      if (!tokens) return 0;
      if (static_cast<std::size_t>(s) < kMaxClasses && c < kFactorsPerRow)
        factors_.classPercent[static_cast<std::size_t>(s)][c] = tokens->empty() ? 0 : ParseFactor(tokens->front());
    }
  }
  for (std::int16_t s = 0; s < factors_.setCount; ++s) {
    for (std::size_t i = 0; i < static_cast<std::size_t>(core_.breakCount); ++i) {
      auto tokens = nextData();
      if (!tokens) return 0;
      const std::size_t b = static_cast<std::size_t>(core_.breakCount) - 1 - i;
      if (static_cast<std::size_t>(s) < kFactorRows && b < kFactorsPerRow)
        factors_.factorRows[static_cast<std::size_t>(s)][b] = tokens->empty() ? 0 : ParseFactor(tokens->front());
    }
  }
  return 0;
}

void FactorReader::resetSection() {
  parameters_.setFloat(ParameterTable::kMcAddon, 0.0f);
  parameters_.setFloat(ParameterTable::kSsMcAddon, 0.0f);
  parameters_.setInteger(ParameterTable::kQivMc, 0);
  factors_.cityAddOns.clear();
  cityAddOnsOn_ = true;
  factors_.cityAddOnCode = {};
}

std::int16_t FactorReader::readFactorsLetter() {
  for (;;) {
    resetSection();
    auto classes = nextData();
    if (!classes) break;
    core_.classCount = static_cast<std::int16_t>(std::min(classes->size(), kMaxClasses));
    for (std::size_t c = 0; c < static_cast<std::size_t>(core_.classCount); ++c) setClass(c, (*classes)[c]);
    auto breaks = nextData();
    if (!breaks) break;
    core_.breakCount = static_cast<std::int16_t>(std::min(breaks->size(), kMaxBreaks));
    for (std::size_t b = 0; b < static_cast<std::size_t>(core_.breakCount); ++b)
      core_.breakWeights[b] = static_cast<std::int32_t>(ParseUnsigned((*breaks)[b]));
    const std::optional<std::uint32_t> kind = nextCount();
    if (!kind) break;
    factors_.sectionKind = static_cast<std::int16_t>(*kind);
    bool ended = false;
    for (std::size_t c = 0; c < static_cast<std::size_t>(core_.classCount) && !ended; ++c) {
      auto row = nextData();
      if (!row)
        ended = true;
      else
        for (std::size_t b = 0; b < row->size() && b < kFactorsPerRow; ++b)
          factors_.classPercent[c][b] = ParseFactor((*row)[b]);
    }
    if (!ended && (context_.tariffType == 'D' || context_.tariffType == 'H')) {
      // One further factor per break (type 'H': and one for the minimum),
      // as many to a line as the file puts there; factor k is the first
      // value of factor row k.
      const std::size_t wanted =
          std::min(static_cast<std::size_t>(core_.breakCount) + (context_.tariffType == 'H' ? 1 : 0), kFactorRows);
      for (std::size_t filled = 0; filled < wanted && !ended;) {
        auto row = nextData();
        if (!row)
          ended = true;
        else
          for (std::size_t i = 0; i < row->size() && filled < wanted; ++i)
            factors_.factorRows[filled++][0] = ParseFactor((*row)[i]);
      }
    }
    if (ended || factors_.sectionKind == static_cast<std::int16_t>(context_.kind)) break;
  }
  return parameterError_;
}

}  // namespace

std::int32_t ParseFactor(std::string_view token) {
  bool negative = false;
  if (!token.empty() && (token[0] == '-' || token[0] == '+')) {
    negative = token[0] == '-';
    token.remove_prefix(1);
  }
  // Four decimals, or as many as are written when there are more (the
  // digits as written); held at the 32-bit limit however many digits.
  constexpr std::uint64_t kLimit = std::numeric_limits<std::int32_t>::max();
  platform::DecimalPrefix number = platform::LeadingDecimal(token, 4, kLimit);
  if (number.fractionDigits > 4)
    number = platform::LeadingDecimal(token, static_cast<int>(number.fractionDigits), kLimit);
  const auto value = static_cast<std::int32_t>(number.value);
  return negative ? -value : value;
}

std::int16_t ReadFactorFile(std::string_view text, const FactorFileContext& context, TariffClassesAndBreaks& core,
                            TariffFactors& factors, ParameterTable& parameters) {
  core.classCodes = {};
  core.classCount = 0;
  core.breakWeights = {};
  core.breakCount = 0;
  factors = TariffFactors{};
  parameters.setFloat(ParameterTable::kRadjf, 1.0f);
  parameters.setInteger(ParameterTable::kNoRbnAddon, 0);
  FactorReader reader(text, context, core, factors, parameters);
  const bool digitType = context.tariffType >= '0' && context.tariffType <= '7';
  if (digitType) {
    // The sections before the one asked for are read past.
    for (int section = 1; section <= context.digitSection; ++section) {
      core.classCodes = {};
      core.classCount = 0;
      core.breakWeights = {};
      core.breakCount = 0;
      factors.setCount = 0;
      factors.setNumbers = {};
      reader.readFactorsDigit();
    }
    reader.applyRemainingParameters();
    return 0;
  }
  return reader.readFactorsLetter();
}

}  // namespace vorn
