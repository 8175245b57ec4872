#pragma once
// Sets the drawing-memory budget for one test and puts the program's back.
#include <cstdint>

#include "model/SurfaceBudget.h"

namespace dwtest {

class BudgetGuard {
public:
    explicit BudgetGuard(std::int64_t bytes) : saved(dw::SurfaceBudget::Instance().Limit()) {
        dw::SurfaceBudget::Instance().SetLimit(bytes);
    }
    ~BudgetGuard() { dw::SurfaceBudget::Instance().SetLimit(saved); }
    BudgetGuard(const BudgetGuard&) = delete;
    BudgetGuard& operator=(const BudgetGuard&) = delete;

private:
    std::int64_t saved;
};

}  // namespace dwtest
