#pragma once
// The filter options of the command-line tools, as the workspace's filter controls hold
// them: --stage N, --name, --afm, --from, --to, --terminations, --adjustable, --number,
// --atak, --address.

#include "workspace/RegisterFilter.h"

#include <QStringList>

struct FilterArguments {
    FilterCriteria criteria;
    QStringList rest; // the arguments that are not filter options, in order
    QString error;    // why the options are wrong; empty when they are right
};

FilterArguments parseFilterArguments(const QStringList& args);
