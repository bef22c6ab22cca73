#pragma once
// A request to the maker's services that failed (no connection, time-out, an error
// answer) or an answer that cannot be used. The check ends in the connection notice.

#include <QString>
#include <stdexcept>

class UpdateFailure : public std::runtime_error {
public:
    explicit UpdateFailure(const QString& reason) : std::runtime_error(reason.toStdString()) {}
};
