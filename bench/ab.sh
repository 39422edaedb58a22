#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A/B of the payroll batch: isr2016-cli of the working tree (B) against A, on one generated
# payroll, run alternately, the order of each pair alternating too, so that drifts of the
# machine's speed fall on both sides alike. A is one of:
#
#   REF       isr2016-cli built at a commit (in a temporary git worktree, removed after)
#   floor     bench_batch_floor: the nine boxes of each row with no quoting, checks or threads
#   one-core  the working tree's own isr2016-cli on one core (taskset -c 0): B/A of the wall
#             time says what the second core gives
#
# Prints the medians of CPU time (user + system, all threads) and wall time of each side, and of
# the per-pair ratio B/A its median and interquartile range; then instructions per row counted
# by callgrind on a smaller payroll, which the machine's load does not move.
#
#   bench/ab.sh [--rows N] [--pairs K] [--callgrind-rows N] REF|floor|one-core
#
# Builds go to build/ab (Release, ccache when installed); a commit's program is kept there, as
# isr2016-cli-COMMIT, and the payrolls as payroll-ROWS.csv. Run it on an idle machine: at a load
# above the number of cores, the wall times and even the CPU times are noise.
set -euo pipefail

rows=1000000
pairs=25
callgrindRows=100000
while [[ $# -gt 1 ]]; do
  case "$1" in
    --rows) rows=$2 ;;
    --pairs) pairs=$2 ;;
    --callgrind-rows) callgrindRows=$2 ;;
    *) echo "ab.sh: unknown option $1" >&2; exit 2 ;;
  esac
  shift 2
done
if [[ $# -ne 1 ]]; then
  echo "usage: bench/ab.sh [--rows N] [--pairs K] [--callgrind-rows N] REF|floor|one-core" >&2
  exit 2
fi
side=$1
if ! [[ $pairs =~ ^[0-9]+$ ]] || ((pairs < 2)); then
  echo "ab.sh: --pairs takes a whole number of at least 2: a spread needs two ratios" >&2
  exit 2
fi

root=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
out=$root/build/ab
mkdir -p "$out"
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
configure() {  # SOURCE BUILD [CMAKE OPTIONS]
  local source=$1 build=$2
  shift 2
  cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DISR_BUILD_UI=OFF -DISR_BUILD_WEB=OFF -DISR_BUILD_VERIFIER=OFF "${launcher[@]}" "$@" \
    >"$build.configure.log" 2>&1 || { cat "$build.configure.log" >&2; exit 2; }
}

echo "building the working tree in $out/work" >&2
mkdir -p "$out/work"
configure "$root" "$out/work" -DISR_BUILD_BENCHMARKS=ON
cmake --build "$out/work" -j2 --target isr2016-cli bench_batch_throughput bench_batch_floor >&2
b=("$out/work/src/cli/isr2016-cli")
bName="working tree ($(git -C "$root" rev-parse --short HEAD)$(git -C "$root" diff --quiet HEAD || echo ', changed'))"

case "$side" in
  floor)
    a=("$out/work/bench/bench_batch_floor")
    aName="the floor (bench_batch_floor)"
    ;;
  one-core)
    a=(taskset -c 0 "${b[@]}")
    aName="the working tree on one core (taskset -c 0)"
    callgrindRows=0  # the same program on both sides
    ;;
  *)
    commit=$(git -C "$root" rev-parse --verify "$side^{commit}")
    short=$(git -C "$root" rev-parse --short "$commit")
    # A commit's program is built once and kept.
    if [[ ! -x $out/isr2016-cli-$short ]]; then
      source=$out/ref-source
      git -C "$root" worktree remove --force "$source" 2>/dev/null || rm -rf "$source"
      git -C "$root" worktree add --detach "$source" "$commit" >&2
      trap 'git -C "$root" worktree remove --force "$source"' EXIT
      echo "building $short in $out/ref" >&2
      mkdir -p "$out/ref"
      configure "$source" "$out/ref"
      cmake --build "$out/ref" -j2 --target isr2016-cli >&2
      cp "$out/ref/src/cli/isr2016-cli" "$out/isr2016-cli-$short"
      git -C "$root" worktree remove --force "$source"
      trap - EXIT
    fi
    a=("$out/isr2016-cli-$short")
    aName="$short"
    ;;
esac

payroll=$out/payroll-$rows.csv
small=$out/payroll-$callgrindRows.csv
[[ -s $payroll ]] || "$out/work/bench/bench_batch_throughput" --rows "$rows" --runs 0 --keep "$payroll"
if [[ $callgrindRows -gt 0 && ! -s $small ]]; then
  "$out/work/bench/bench_batch_throughput" --rows "$callgrindRows" --runs 0 --keep "$small"
fi

AB_A="${a[*]}" AB_B="${b[*]}" AB_A_NAME=$aName AB_B_NAME=$bName AB_PAYROLL=$payroll AB_ROWS=$rows \
AB_PAIRS=$pairs AB_SMALL=$small AB_SMALL_ROWS=$callgrindRows AB_OUT=$out \
  python3 - <<'EOF'
import os, re, shlex, statistics, subprocess, time

env = os.environ
a, b = shlex.split(env["AB_A"]), shlex.split(env["AB_B"])
rows, pairs = int(env["AB_ROWS"]), int(env["AB_PAIRS"])
payroll, out = env["AB_PAYROLL"], env["AB_OUT"]

def run(argv, output="/dev/null"):
    """CPU seconds (user + system, all threads) and wall seconds of one run."""
    start = time.perf_counter()
    child = subprocess.Popen(argv + ["--csv", payroll, output], stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    wall = time.perf_counter() - start
    code = os.waitstatus_to_exitcode(status)
    if code != 0:
        raise SystemExit(f"{argv[-1]} exited with {code}")
    return usage.ru_utime + usage.ru_stime, wall

def quartiles(values):
    q = statistics.quantiles(values, n=4, method="inclusive")
    return q[0], q[2]

load = lambda: os.getloadavg()[0]
print(f"A: {env['AB_A_NAME']}\n   {env['AB_A']}")
print(f"B: {env['AB_B_NAME']}\n   {env['AB_B']}")
print(f"{rows:,} rows, {pairs} pairs, load average (1 min) {load():.2f} at the start", flush=True)

same = None
if "bench_batch_floor" not in env["AB_A"]:
    outputs = [os.path.join(out, "output-a.csv"), os.path.join(out, "output-b.csv")]
    run(a, outputs[0]); run(b, outputs[1])
    same = subprocess.run(["cmp", "-s", *outputs]).returncode == 0
    for path in outputs: os.remove(path)
run(a); run(b)  # both programs and the payroll in the page cache

cpu = {"A": [], "B": []}
wall = {"A": [], "B": []}
for i in range(pairs):
    order = [("A", a), ("B", b)] if i % 2 == 0 else [("B", b), ("A", a)]
    for name, argv in order:
        c, w = run(argv)
        cpu[name].append(c); wall[name].append(w)
endLoad = load()

print(f"{'':6} {'A median':>10} {'B median':>10}   B/A per pair: median (interquartile range)")
for label, series in (("CPU s", cpu), ("wall s", wall)):
    ratios = [y / x for x, y in zip(series["A"], series["B"])]
    low, high = quartiles(ratios)
    print(f"{label:6} {statistics.median(series['A']):10.3f} {statistics.median(series['B']):10.3f}"
          f"   {statistics.median(ratios):.3f} ({low:.3f} to {high:.3f})")
for name in ("A", "B"):
    print(f"{name}: {rows / statistics.median(cpu[name]):,.0f} rows per CPU second, "
          f"{rows / statistics.median(wall[name]):,.0f} rows/s")
print(f"load average (1 min) {endLoad:.2f} at the end")
if same is not None:
    print("outputs: " + ("identical" if same else "DIFFERENT (byte for byte)"))

smallRows = int(env["AB_SMALL_ROWS"])
if smallRows > 0:
    counts = {}
    for name, argv in (("A", a), ("B", b)):
        log = os.path.join(out, f"callgrind-{name}.log")
        subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null",
                        f"--log-file={log}", *argv, "--csv", env["AB_SMALL"], "/dev/null"],
                       check=True, stderr=subprocess.DEVNULL)
        counts[name] = int(re.search(r"Collected : (\d+)", open(log).read()).group(1))
    print(f"instructions (callgrind, {smallRows:,} rows, start-up included): "
          f"A {counts['A'] / smallRows:,.0f} per row, B {counts['B'] / smallRows:,.0f} per row, "
          f"B/A {counts['B'] / counts['A']:.3f}")
EOF
