#pragma once
// A view that records what a model told it.

#include <string>
#include <vector>

#include "platform/View.h"

namespace zet::test {

struct RecordingView final : View {
  std::vector<Property> changed;
  std::string appended;
  int repaints = 0;

  void Changed(Property property) override { changed.push_back(property); }
  void TextAppended(std::string_view tail) override { appended.append(tail); }
  void RepaintNow() override { ++repaints; }
};

}  // namespace zet::test
