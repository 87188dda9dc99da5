# Shared by the benchmarks that time ours against a peer's tool, like with like. `pair LABEL OURS THEIRS`
# runs the two commands (arrays named by OURS and THEIRS) $runs times each after a warm-up, every other
# pair in the other order so that going first or second cancels, and prints both medians, their ratio and
# the median of the ratios within the pairs (on a machine whose speed drifts during a run, the fairer of
# the two). The caller defines `runs` and `ms CMD...`, the milliseconds of one run.
# shellcheck shell=bash

median() { printf '%s\n' "$@" | sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

pair_ratio() { # the median of ours/theirs over the pairs
    local -n pa=$1 pb=$2
    local r=() i
    for i in "${!pa[@]}"; do r+=("$(awk -v a="${pa[$i]}" -v b="${pb[$i]}" 'BEGIN {printf "%.4f", a / b}')"); done
    printf '%s\n' "${r[@]}" | sort -g | awk '{v[NR]=$1} END {printf "%.3f", v[int((NR+1)/2)]}'
}

pair() {
    local label=$1
    local -n a_cmd=$2 b_cmd=$3
    local a=() b=() i
    "${a_cmd[@]}" >/dev/null; "${b_cmd[@]}" >/dev/null # warm-up
    for i in $(seq "$runs"); do
        if ((i % 2)); then
            a+=("$(ms "${a_cmd[@]}")")
            b+=("$(ms "${b_cmd[@]}")")
        else
            b+=("$(ms "${b_cmd[@]}")")
            a+=("$(ms "${a_cmd[@]}")")
        fi
    done
    local ma mb
    ma=$(median "${a[@]}"); mb=$(median "${b[@]}")
    awk -v l="$label" -v a="$ma" -v b="$mb" -v ra="${a[*]}" -v rb="${b[*]}" -v pr="$(pair_ratio a b)" \
        'BEGIN {printf "%-34s ours %6d ms  theirs %6d ms  ratio %.3f  pairwise %s   (ours: %s; theirs: %s)\n", l, a, b, a / b, pr, ra, rb}'
}
