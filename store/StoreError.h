#pragma once
#include "common/ErrorReport.h"

// A failure of the table store (a missing or damaged table, a locked file, a duplicate
// key). It carries the store's own message and reaches the operator unchanged.
class StoreError : public AppError {
public:
    using AppError::AppError;
};
