#pragma once
// The text a test compares: an outcome's message, empty when it succeeded.

#include <string>

#include "params/Outcome.h"

namespace zet::test {

template <class T>
[[nodiscard]] std::string ProblemText(const ::zet::Outcome<T>& outcome) {
  return outcome ? std::string() : outcome.problem().message;
}

}  // namespace zet::test
