#!/usr/bin/env bash
# Runs every benchmark and prints one table: the medians, the goals and whether they were met.
# "make bench" builds the benchmarks and runs this on build/.
#
#   bench/run_all.sh [build directory]
set -euo pipefail

bench="${1:-build}/bench"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
memory=$(awk '/^MemTotal:/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo)
system=$(. /etc/os-release && echo "$PRETTY_NAME")
qt=$(pkg-config --modversion Qt6Core 2>/dev/null || echo unknown)
echo "Machine: $cpu, $(nproc) cores, $memory, $system, Qt $qt, platform $QT_QPA_PLATFORM"
echo "Load average at the start: $(cut -d ' ' -f 1-3 /proc/loadavg)"
echo
printf '%-44s %-40s %-22s %s\n' "what" "figures (medians)" "goal" ""
"$bench/search_bench"
"$bench/keystroke_bench"
"$bench/startup_bench"
