// Asks which quantity goes across and which up in the comparison of kept runs, and
// whether the runs are flown again with the accurate method.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "base/sample_columns.h"
#include "base/texts3.h"

namespace orv {

struct CompareChoice {
  Col x = Col::kRange;
  Col y = Col::kHeight;
  bool accurate = true;  // the accurate method is the studies' default
};

// Modal, in the interface language; nullopt when cancelled. The lists offer the
// quantities for which `offered` is true (all when it is empty).
std::optional<CompareChoice> AskCompareChoice(QWidget* parent, Language language,
                                              const CompareChoice& initial,
                                              const std::function<bool(Col)>& offered = {});

}  // namespace orv
