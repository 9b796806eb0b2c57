#include "support/data_directory.h"

#include "dataset/data_set.h"

namespace vorn::testing {

DataDirectory::DataDirectory(std::string_view description) { build(description); }

void DataDirectory::build(std::string_view description, bool raw) const {
  dataset::BuildDataSet(description, path(), dataset::WriteOptions{.raw = raw});
}

}  // namespace vorn::testing
