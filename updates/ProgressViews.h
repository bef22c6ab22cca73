#pragma once
// The windows that show the transfers' progress. Each one registers for its life, and
// each report of the transfers reaches all of them at once.

struct ProgressReport;

class ProgressView {
public:
    virtual ~ProgressView() = default;
    virtual void show(const ProgressReport& report) = 0;
};

namespace ProgressViews {
void add(ProgressView* view);
void remove(ProgressView* view);
// Shows the report on every view that exists.
void showEverywhere(const ProgressReport& report);
} // namespace ProgressViews
