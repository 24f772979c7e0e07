#!/usr/bin/env bash
# Draws the program's libraries and their links, from CMake's own graph, into docs/targets.svg.
# Needs graphviz (dot); not part of the build.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cat >"$work/CMakeGraphVizOptions.cmake" <<'OPTIONS'
set(GRAPHVIZ_GRAPH_NAME "Horalia libraries")
set(GRAPHVIZ_EXTERNAL_LIBS FALSE)
set(GRAPHVIZ_GENERATE_PER_TARGET FALSE)
set(GRAPHVIZ_GENERATE_DEPENDERS FALSE)
set(GRAPHVIZ_IGNORE_TARGETS "tst_.*;bench_.*;.*_autogen.*;.*resources_.*;hrl_testsupport")
OPTIONS
cmake -S "$root" -B "$work" -G Ninja -DHRL_BUILD_TESTS=OFF --graphviz="$work/targets.dot" >/dev/null
# Lowest room at the bottom; the legend is left out.
sed -e '/subgraph clusterLegend/,/^}/d' \
    "$work/targets.dot" >"$work/rooms.dot"
dot -Tsvg "$work/rooms.dot" -o "$root/docs/targets.svg"
[ -z "${HRL_GRAPH_PNG:-}" ] || dot -Tpng "$work/rooms.dot" -o "$HRL_GRAPH_PNG"
echo "wrote docs/targets.svg"
