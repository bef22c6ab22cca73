#!/usr/bin/env bash
# The include rule of the layers: a file may include headers of its own layer and of the
# layers below it, never of one above. Prints every include that goes up as
# "file:line: includes header (layer of header above layer of file)" and fails.
#   include_layers.sh SOURCE_FOLDER
set -euo pipefail
root=${1:?usage: include_layers.sh SOURCE_FOLDER}
cd "$root"

# Lowest first; folders on one line share a layer. The scripted browser is test support.
layers="common
store
operators
companies
workspace
portal
exports
updates
workspace-window
app
tools tests bench portal/scripted"

folders=$(for folder in $(echo "$layers" | tr ' ' '\n' | grep -v / | sort -u); do
    if [ -d "$folder" ]; then echo "$folder"; fi
done)
# shellcheck disable=SC2086
if ! find $folders -type f \( -name '*.cpp' -o -name '*.h' \) | sort |
    xargs awk -v layers="$layers" '
    BEGIN {
        n = split(layers, lines, "\n")
        for (i = 1; i <= n; i++) {
            m = split(lines[i], names, " ")
            for (j = 1; j <= m; j++) level[names[j]] = i
        }
    }
    # The layer of a path: that of its longest leading folder that has one, which is left
    # in "matched"; 0 for none.
    function layerOf(path,    best, folder) {
        best = 0; matched = ""
        for (folder in level)
            if (index(path, folder "/") == 1 && length(folder) > length(matched)) {
                best = level[folder]; matched = folder
            }
        return best
    }
    FNR == 1 { own = layerOf(FILENAME); ownFolder = matched }
    /^[ \t]*#[ \t]*include[ \t]*"/ {
        header = $0
        sub(/^[^"]*"/, "", header); sub(/".*$/, "", header)
        target = layerOf(header)
        if (own > 0 && target > own) {
            printf "%s:%d: includes %s (%s/ is above %s/)\n", FILENAME, FNR, header, matched, ownFolder
            found = 1
        }
    }
    END { exit found }'; then
    exit 1
fi
