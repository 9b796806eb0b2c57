#include "support/guide_folder.h"

#include "dataset/data_set.h"

namespace lanebook::testing {

GuideFolder::GuideFolder(std::string_view description, bool raw) {
  dataset::BuildDataSet(description, path(), dataset::WriteOptions{.raw = raw});
}

}  // namespace lanebook::testing
