#include "windows/window_system.h"

#include <cctype>

namespace platform::ui::detail {

WindowSystem& WindowSystem::Get() {
  // Created once and never destroyed: windows may outlive the static
  // destruction order, and their records must stay valid until exit.
  static WindowSystem* system = new WindowSystem();
  if (!system->builtInClassesRegistered) {
    system->builtInClassesRegistered = true;  // (registering calls back here)
    RegisterBuiltInClasses();
  }
  return *system;
}

WindowSystem::WindowSystem() = default;

WindowRecord* WindowSystem::find(WindowHandle handle) {
  auto it = windows.find(reinterpret_cast<std::uintptr_t>(handle));
  return it == windows.end() ? nullptr : it->second.get();
}

ClassRecord* WindowSystem::findClass(std::string_view name) {
  for (auto& record : classes)
    if (EqualsIgnoringCase(record->windowClass.name, name)) return record.get();
  return nullptr;
}

std::string UpperCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return result;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

}  // namespace platform::ui::detail

namespace platform::ui {

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  const long long product = static_cast<long long>(number) * numerator;
  long long quotient = product / denominator;
  const long long remainder = product % denominator;
  // Round half away from zero.
  if (remainder != 0) {
    const bool negative = (product < 0) != (denominator < 0);
    const long long twice = (remainder < 0 ? -remainder : remainder) * 2;
    const long long divisor = denominator < 0 ? -static_cast<long long>(denominator) : denominator;
    if (twice >= divisor) quotient += negative ? -1 : 1;
  }
  if (quotient > 0x7FFFFFFF || quotient < -0x7FFFFFFFLL - 1) return -1;
  return static_cast<int>(quotient);
}

}  // namespace platform::ui
