#pragma once
// The filter options of the command-line tools, as the workspace's filter controls hold
// them: --stage N, --name, --afm, --from, --to, --terminations, --adjustable, --number,
// --atak, --address.

#include "workspace/RegisterFilter.h"

#include <QString>

class ToolCommandLine;

struct FilterArguments {
    FilterCriteria criteria;
    bool any = false; // whether any filter option was given
    QString error;    // why the options are wrong; empty when they are right
};

// Declares the filter options on the tool's command line.
void addFilterOptions(ToolCommandLine& line);
// The criteria of the parsed filter options.
FilterArguments filterArgumentsOf(const ToolCommandLine& line);
