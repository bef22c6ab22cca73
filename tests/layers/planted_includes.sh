#!/usr/bin/env bash
# The include rule catches what it is for: in a planted tree, the includes that go up
# (the workspace logic including its window, the store including the application, the
# portal including the scripted browser) are reported with file and line, and nothing else.
#   planted_includes.sh INCLUDE_LAYERS_SCRIPT
set -euo pipefail
check=${1:?usage: planted_includes.sh INCLUDE_LAYERS_SCRIPT}
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
plant() { mkdir -p "$tree/$(dirname "$1")" && printf '%s\n' "${@:2}" >"$tree/$1"; }

plant common/Helper.h '#pragma once' '#include <QString>'
plant store/Table.cpp '#include "store/Table.h"' '#include "common/Helper.h"' '#include "app/TfiMain.h"'
plant workspace/Search.cpp '#include "store/Table.h"' '' '#include "workspace-window/TfiWait.h"'
plant workspace-window/TfiWait.cpp '#include "workspace/Search.h"' '#include "exports/Sheet.h"'
plant portal/Session.cpp '#include "portal/scripted/ScriptedBrowser.h"'
plant portal/scripted/ScriptedBrowser.cpp '#include "portal/DomTree.h"' '#include "tests/support/X.h"'
plant app/TfiMain.cpp '#include "workspace-window/TfiWait.h"' '#include "ToolPaths.h"'

status=0
found=$(bash "$check" "$tree") || status=$?
expected="portal/Session.cpp:1: includes portal/scripted/ScriptedBrowser.h (portal/scripted/ is above portal/)
store/Table.cpp:3: includes app/TfiMain.h (app/ is above store/)
workspace/Search.cpp:3: includes workspace-window/TfiWait.h (workspace-window/ is above workspace/)"
if [ "$status" -ne 1 ] || [ "$found" != "$expected" ]; then
    printf 'exit %s, expected 1; reported:\n%s\nexpected:\n%s\n' "$status" "$found" "$expected" >&2
    exit 1
fi

rm "$tree/store/Table.cpp" "$tree/workspace/Search.cpp" "$tree/portal/Session.cpp"
if ! found=$(bash "$check" "$tree"); then
    printf 'a tree without upward includes was refused:\n%s\n' "$found" >&2
    exit 1
fi
