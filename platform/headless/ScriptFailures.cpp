#include "platform/headless/ScriptFailures.h"

#include <cstdio>
#include <cstdlib>

namespace zet {

namespace {
[[noreturn]] void AbortOnProblem(const std::string& problem) {
  std::fprintf(stderr, "headless platform: %s\n", problem.c_str());
  std::abort();
}
}  // namespace

ScriptFailures::ScriptFailures() : hook_(&AbortOnProblem) {}

void ScriptFailures::Report(std::string problem) {
  problems_.push_back(std::move(problem));
  if (auto hook = hook_) hook(problems_.back());
}

}  // namespace zet
